#include "KWText.h"

#include <limits>

namespace {

bool IsEmpty(const char16_t* s) { return s == nullptr || *s == 0; }

std::size_t Length(const char16_t* s) {
    std::size_t n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

// Compares n units of a and b, folding ASCII case when asked.
bool SameUnits(const char16_t* a, const char16_t* b, std::size_t n, bool foldCase) {
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = a[i], y = b[i];
        if (foldCase) {
            x = FoldAsciiCase(x);
            y = FoldAsciiCase(y);
        }
        if (x != y)
            return false;
    }
    return true;
}

bool EqualText(const char16_t* a, const char16_t* b, bool foldCase) {
    if (a == nullptr || b == nullptr)
        return false;
    for (;; ++a, ++b) {
        char16_t x = *a, y = *b;
        if (foldCase) {
            x = FoldAsciiCase(x);
            y = FoldAsciiCase(y);
        }
        if (x != y)
            return false;
        if (x == 0)
            return true;
    }
}

bool EndsWithText(const char16_t* s, const char16_t* suffix, bool foldCase) {
    if (IsEmpty(s) || IsEmpty(suffix))
        return false;
    const std::size_t n = Length(s), m = Length(suffix);
    return m <= n && SameUnits(s + (n - m), suffix, m, foldCase);
}

bool IsHexPrefix(const char16_t* s) { return s[0] == u'0' && (s[1] == u'x' || s[1] == u'X'); }

// White space as the C library's wide classification sees it in the "C" locale.
bool IsCSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

} // namespace

bool EqualsNoCase(const char16_t* a, const char16_t* b) { return EqualText(a, b, true); }
bool Equals(const char16_t* a, const char16_t* b) { return EqualText(a, b, false); }

bool StartsWithNoCase(const char16_t* s, const char16_t* prefix) {
    if (IsEmpty(s) || IsEmpty(prefix))
        return false;
    for (; *prefix != 0; ++s, ++prefix) {
        if (FoldAsciiCase(*s) != FoldAsciiCase(*prefix))
            return false; // also stops at the end of s, whose 0 matches no prefix unit
    }
    return true;
}

bool EndsWith(const char16_t* s, const char16_t* suffix) { return EndsWithText(s, suffix, false); }
bool EndsWithNoCase(const char16_t* s, const char16_t* suffix) { return EndsWithText(s, suffix, true); }

int32_t HashNoCase(const char16_t* text, std::size_t* length) {
    std::size_t n = 0;
    uint32_t h = 0;
    if (text != nullptr) {
        for (; text[n] != 0; ++n)
            h = h * 37 + (h & 0xF) + FoldAsciiCase(text[n]);
    }
    if (length != nullptr)
        *length = n;
    if (n == 0)
        return 0;
    h &= 0x7FFFFFFF;
    return h == 0 ? 1 : int32_t(h);
}

namespace {

// "0x" hexadecimal or decimal digits to the end of the text; any other character gives 0. Values too
// wide for Unsigned wrap, unless wrapping is refused, when they give 0 as well.
template <typename Unsigned>
Unsigned ParseDigits(const char16_t* text, bool wrap) {
    if (IsEmpty(text))
        return 0;
    unsigned radix = 10;
    if (IsHexPrefix(text)) {
        radix = 16;
        text += 2;
    }
    Unsigned value = 0;
    for (; *text != 0; ++text) {
        const int digit = DigitValue(*text);
        if (digit >= int(radix))
            return 0;
        if (!wrap && value > (Unsigned(-1) - Unsigned(digit)) / radix)
            return 0;
        value = Unsigned(value * radix + Unsigned(digit));
    }
    return value;
}

} // namespace

uint32_t ParseNumber(const char16_t* text) { return ParseDigits<uint32_t>(text, true); }
uintptr_t ParseAddress(const char16_t* text) { return ParseDigits<uintptr_t>(text, false); }

int32_t ParseIntLiteral(const char16_t* text, int32_t fallback) {
    if (IsEmpty(text))
        return fallback;
    const bool negative = *text == u'-';
    if (negative)
        ++text;
    int radix = 10;
    if (IsHexPrefix(text)) {
        radix = 16;
        text += 2;
    }
    uint32_t value = 0;
    bool anyDigit = false;
    for (; *text != 0; ++text) {
        const char16_t c = *text;
        if (c == u'u' || c == u'U' || c == u'l' || c == u'L')
            break;
        const int digit = DigitValue(c);
        if (digit >= radix)
            return fallback;
        value = value * uint32_t(radix) + uint32_t(digit);
        anyDigit = true;
    }
    if (!anyDigit)
        return fallback;
    return int32_t(negative ? 0u - value : value);
}

int32_t ParseLong(const char16_t* text, int radix, const char16_t** end) {
    const char16_t* const start = text;
    if (end != nullptr)
        *end = start;
    if (text == nullptr || radix < 0 || radix == 1 || radix > 36)
        return 0;
    while (IsCSpace(*text))
        ++text;
    bool negative = false;
    if (*text == u'+' || *text == u'-') {
        negative = *text == u'-';
        ++text;
    }
    // A "0x" prefix only counts when a hexadecimal digit follows; "0x" alone converts the 0.
    if ((radix == 0 || radix == 16) && IsHexPrefix(text) && DigitValue(text[2]) < 16) {
        radix = 16;
        text += 2;
    } else if (radix == 0) {
        radix = *text == u'0' ? 8 : 10;
    }
    const uint32_t limit = negative ? uint32_t(std::numeric_limits<int32_t>::max()) + 1u
                                    : uint32_t(std::numeric_limits<int32_t>::max());
    uint64_t value = 0;
    bool anyDigit = false;
    for (; DigitValue(*text) < radix; ++text) {
        anyDigit = true;
        value = value * uint64_t(radix) + uint64_t(DigitValue(*text));
        if (value > limit)
            value = limit; // saturates, and keeps consuming digits as wcstol does
    }
    if (!anyDigit)
        return 0;
    if (end != nullptr)
        *end = text;
    return negative ? int32_t(0u - uint32_t(value)) : int32_t(value);
}
