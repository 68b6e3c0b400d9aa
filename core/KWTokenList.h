// CKWTokenList: splits one argument text into tokens, and looks tokens, options and numbers up.
//
// All tokens live one after the other in a single buffer, each ended by a 0 unit; their texts stay
// valid while the list lives. The first ten are reached through a fixed array. Later tokens are found
// by walking the buffer from the last one asked for, so reading them in order stays linear, except in
// raw line mode (separator line feed, no quotes, no brackets, blanks kept), where an index of every
// token start lets any line be reached directly.
//
// Parsing never fails: malformed input gives fewer, empty or differently cut tokens.
#pragma once

#include "KWCoreExport.h"

#include <cstdint>
#include <memory>
#include <vector>

class KWCORE_API CKWTokenList {
public:
    // Splits text at sep into at most maxTokens tokens (0: no limit) with quotes, brackets and blank
    // trimming active; the last allowed token takes the rest of the text verbatim.
    CKWTokenList(const char16_t* text, int maxTokens, char16_t sep);
    // Splits text at sep without a limit; each switch turns one of the rules off.
    CKWTokenList(const char16_t* text, char16_t sep, bool noQuotes, bool noBrackets, bool keepBlanks);
    ~CKWTokenList();

    CKWTokenList(const CKWTokenList&) = delete;
    CKWTokenList& operator=(const CKWTokenList&) = delete;
    CKWTokenList(CKWTokenList&&) noexcept;
    CKWTokenList& operator=(CKWTokenList&&) noexcept;

    int Count() const { return m_count; }
    // Token i, or the empty text when i is out of range; never null.
    const char16_t* GetToken(int i) const;

    // Index of the first token equal to name ignoring ASCII case, else -1.
    int FindToken(const char16_t* name) const;
    bool TokenIs(int i, const char16_t* name) const;
    // Index of the first token in first..last that begins with prefix ignoring ASCII case, else -1.
    // A negative first means 0; a last that is negative or past the end means the last token.
    int FindPrefix(const char16_t* prefix, int first = 0, int last = -1) const;

    // The first token beginning with prefix, from just after the prefix with blanks and tabs skipped;
    // the empty text when no token matches.
    const char16_t* GetOptionValue(const char16_t* prefix) const;
    // The first token beginning with prefix, from just after its first ch with blanks and tabs
    // skipped; the empty text when no token matches or ch does not occur in it.
    const char16_t* GetOptionValueAfter(const char16_t* prefix, char16_t ch) const;
    // The number after prefix ("0x" hexadecimal, leading "0" octal, else decimal); fallback when no
    // token matches, the rest is empty, or the rest is not entirely a number.
    int32_t GetOptionInt(const char16_t* prefix, int32_t fallback) const;
    // As GetOptionInt, with the number starting after the first '=' and the blanks after it.
    int32_t GetOptionIntAfterEquals(const char16_t* prefix, int32_t fallback) const;
    // Token i as a number in radix (0: as GetOptionInt). fallback when i is out of range or the token
    // is empty. *error is set to true (never cleared) when i is out of range or the token is not
    // entirely a number, so one flag can collect the errors of several calls.
    int32_t GetTokenInt(int i, int radix, int32_t fallback, bool* error = nullptr) const;
    // Token i read by ParseNumber; 0 when i is out of range.
    uint32_t GetTokenNumber(int i) const;

private:
    struct Rules;
    void Split(const char16_t* text, int maxTokens, char16_t sep, const Rules& rules);
    const char16_t* WalkTo(int i) const;

    static constexpr int kFixed = 10;
    std::unique_ptr<char16_t[]> m_buffer;
    int32_t m_count = 0;
    const char16_t* m_firstTen[kFixed] = {};
    std::vector<const char16_t*> m_index;
    bool m_useIndex = false;
    mutable int m_cursorIndex = -1;
    mutable const char16_t* m_cursorPointer = nullptr;
};
