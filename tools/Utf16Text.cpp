// kwutf16: a build tool that turns an editable UTF-8 text file into the installation's form of a
// settings text: UTF-16 little-endian with a byte-order mark and CR LF line ends.
//
//     kwutf16 <UTF-8 source> <UTF-16 target>
#include "core/KWUnicode.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kwutf16 <UTF-8 source> <UTF-16 target>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kwutf16: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (utf8.rfind("\xEF\xBB\xBF", 0) == 0)
        utf8.erase(0, 3);
    std::u16string text = u"\xFEFF";
    for (const char16_t c : Utf8ToUtf16(utf8)) {
        if (c == u'\r')
            continue; // line ends are written anew
        if (c == u'\n')
            text += u'\r';
        text += c;
    }
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        bytes.push_back(char(c & 0xFF));
        bytes.push_back(char(c >> 8));
    }
    const std::string temporary = std::string(argv[2]) + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out || std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "kwutf16: cannot write %s\n", argv[2]);
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
