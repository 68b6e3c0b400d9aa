#include "ScriptFile.h"

#include "core/KWUnicode.h"

#include <fstream>
#include <iterator>

namespace kwscript {

bool ReadScriptFile(const std::string& path, std::u16string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return false;
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE) {
        text.clear();
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8));
        return true;
    }
    const bool utf8Mark = bytes.size() >= 3 && uint8_t(bytes[0]) == 0xEF && uint8_t(bytes[1]) == 0xBB &&
                          uint8_t(bytes[2]) == 0xBF;
    text = Utf8ToUtf16(std::string_view(bytes).substr(utf8Mark ? 3 : 0));
    return true;
}

} // namespace kwscript
