#include "KWUtf16File.h"

#include <cstdint>
#include <fstream>
#include <iterator>

std::optional<std::u16string> ReadUtf16File(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = char16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    if (!text.empty() && text.front() == 0xFEFF)
        text.erase(0, 1); // the mark would otherwise start the first line
    return text;
}
