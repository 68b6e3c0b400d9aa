// Text helpers of the command grammar: comparisons, the case-folding hash and the number readers.
//
// Texts are UTF-16 (char16_t). A null pointer is an "absent" text, which behaves differently from the
// empty text in a few places, as each function says. Case folding affects only 'A'..'Z' / 'a'..'z';
// nothing here depends on the locale.
#pragma once

#include "KWCoreExport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// True when a and b hold the same text ignoring ASCII case; an absent text equals nothing.
KWCORE_API bool EqualsNoCase(const char16_t* a, const char16_t* b);
// True when a and b hold the same text; an absent text equals nothing.
KWCORE_API bool Equals(const char16_t* a, const char16_t* b);
// False when either text is absent or empty.
KWCORE_API bool StartsWithNoCase(const char16_t* s, const char16_t* prefix);
KWCORE_API bool EndsWith(const char16_t* s, const char16_t* suffix);
KWCORE_API bool EndsWithNoCase(const char16_t* s, const char16_t* suffix);

// The 31-bit case-folding hash: never 0 for a non-empty text, 0 for an absent or empty one.
// When length is given it receives the number of UTF-16 units hashed.
KWCORE_API int32_t HashNoCase(const char16_t* text, std::size_t* length = nullptr);

// Reads "0x"/"0X" hexadecimal or decimal digits. Any invalid character, a leading '-' or an empty
// text gives 0 rather than a partial value; the value wraps at 32 bits.
KWCORE_API uint32_t ParseNumber(const char16_t* text);

// Reads an address written as "0x" and hexadecimal digits, or in decimal, at the full pointer width.
// Like ParseNumber, any invalid character or an empty text gives 0; a value too wide gives 0 as well.
KWCORE_API uintptr_t ParseAddress(const char16_t* text);

// Reads a C integer literal: optional '-', "0x" hexadecimal or decimal digits, and an optional suffix
// starting with u, U, l or L that ends the number. Anything else gives fallback.
KWCORE_API int32_t ParseIntLiteral(const char16_t* text, int32_t fallback);

// Reads a 32-bit integer the way the C library's wcstol does on a platform with 32-bit long: leading
// white space, an optional sign, radix 0 meaning "0x" hexadecimal, leading "0" octal or decimal, and
// saturation at the 32-bit limits. end receives where the conversion stopped (the start of text when
// nothing was converted).
KWCORE_API int32_t ParseLong(const char16_t* text, int radix, const char16_t** end);

// Blanks of the command grammar: the control characters and the space (0x01..0x20).
inline bool IsBlank(char16_t c) { return c >= 0x01 && c <= 0x20; }
// text without the blanks at its ends.
inline std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
// The value of c as a digit of any radix up to 36, or 36 when c is no digit.
inline int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    return 36;
}
inline char16_t FoldAsciiCase(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 0x20) : c; }
