#include "ScriptText.h"

#include "core/KWText.h"

#include <limits>

namespace kwscript {

NumberReading ReadNumber(std::u16string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return {};
    uint64_t magnitude = 0;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        text.remove_prefix(2);
        if (text.size() > 16)
            return {};
        for (const char16_t c : text) {
            const int digit = DigitValue(c);
            if (digit >= 16)
                return {};
            magnitude = magnitude << 4 | uint64_t(digit);
        }
    } else {
        // The magnitude may reach 2^63 only for the most negative value.
        const uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
        for (const char16_t c : text) {
            if (c < u'0' || c > u'9')
                return {};
            const uint64_t digit = uint64_t(c - u'0');
            if (magnitude > (limit - digit) / 10)
                return {};
            magnitude = magnitude * 10 + digit;
        }
    }
    // Two's complement: the bits of a hexadecimal number stand as they are, a sign negates them.
    return {true, int64_t(negative ? 0 - magnitude : magnitude)};
}

std::size_t FormatNumber(int64_t value, char16_t (&digits)[22]) {
    char16_t reversed[20];
    std::size_t count = 0;
    uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
    do {
        reversed[count++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::size_t length = 0;
    if (value < 0)
        digits[length++] = u'-';
    while (count > 0)
        digits[length++] = reversed[--count];
    digits[length] = 0;
    return length;
}

} // namespace kwscript
