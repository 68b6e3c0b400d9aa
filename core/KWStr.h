// CKWStr: the string of the whole system. Every command result is delivered into one.
//
// It keeps a UTF-16 text and a cached 31-bit case-folding hash of it (see HashNoCase). The cache is 0
// until a look-up asks for the hash; every change of the text sets it back to 0.
#pragma once

#include "KWCoreExport.h"

#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

class KWCORE_API CKWStr {
public:
    CKWStr() = default;
    // An absent (null) text gives the empty string.
    CKWStr(const char16_t* text);
    CKWStr(std::u16string_view text);
    CKWStr(std::u16string&& text);
    // The decimal form of value.
    explicit CKWStr(int32_t value);
    // Radix 16 gives "0x" and the lower-case digits of value taken as unsigned 32-bit; radix 10 the
    // signed decimal form; any other radix from 2 to 36 the unsigned digits without prefix.
    CKWStr(int32_t value, int radix);

    CKWStr& operator=(const char16_t* text);
    CKWStr& operator=(std::u16string_view text);
    CKWStr& operator+=(const char16_t* text);
    CKWStr& operator+=(std::u16string_view text);
    CKWStr& operator+=(char16_t c);
    CKWStr& AppendInt(int32_t value);
    // Appends "0x" and the lower-case hexadecimal digits of value.
    CKWStr& AppendHex(uint32_t value);
    // Appends an address as "0x" and the lower-case hexadecimal digits of the whole pointer.
    CKWStr& AppendAddress(const void* address);

    // Assigns text with "\t", "\n" and "\r" turned into tab, line feed and carriage return; a backslash
    // before any other character is dropped and the character kept, a trailing lone backslash dropped.
    CKWStr& AssignEscaped(const char16_t* text);

    // printf-style formatting of UTF-16 text: %s and %ls take const char16_t*, %hs and %S take UTF-8
    // const char*, %c takes a char16_t; the numeric conversions are those of the C library.
    CKWStr& Format(const char16_t* format, ...);
    CKWStr& AppendFormat(const char16_t* format, ...);
    CKWStr& AppendFormatV(const char16_t* format, va_list args);

    void Clear();

    // The case-folding hash, computed on first use and cached until the text changes.
    int32_t Hash() const;
    // The cached hash as it stands: 0 when it was not computed since the last change.
    int32_t CachedHash() const { return m_hash; }

    const char16_t* c_str() const { return m_text.c_str(); }
    const std::u16string& Text() const { return m_text; }
    std::u16string_view View() const { return m_text; }
    std::size_t Length() const { return m_text.size(); }
    bool IsEmpty() const { return m_text.empty(); }

    static CKWStr FromUtf8(std::string_view utf8);
    std::string ToUtf8() const;

    friend bool operator==(const CKWStr& a, const CKWStr& b) { return a.m_text == b.m_text; }

private:
    CKWStr& Changed() {
        m_hash = 0;
        return *this;
    }

    mutable int32_t m_hash = 0;
    std::u16string m_text;
};
