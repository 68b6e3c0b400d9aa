#include "KWTokenList.h"

#include "KWText.h"

#include <cstring>
#include <utility>

struct CKWTokenList::Rules {
    bool quotes;
    bool brackets;
    bool trimBlanks;
};

namespace {

bool IsOpeningBracket(char16_t c) { return c == u'(' || c == u'[' || c == u'{'; }
bool IsClosingBracket(char16_t c) { return c == u')' || c == u']' || c == u'}'; }
bool IsBlankOrTab(char16_t c) { return c == u' ' || c == u'\t'; }

std::size_t Length(const char16_t* s) {
    std::size_t n = 0;
    if (s != nullptr)
        while (s[n] != 0)
            ++n;
    return n;
}

const char16_t* SkipBlanksAndTabs(const char16_t* p) {
    while (IsBlankOrTab(*p))
        ++p;
    return p;
}

// The whole of text as a number in radix, or fallback when it is empty or not entirely a number.
int32_t WholeNumberOr(const char16_t* text, int radix, int32_t fallback) {
    if (*text == 0)
        return fallback;
    const char16_t* end = nullptr;
    const int32_t value = ParseLong(text, radix, &end);
    return *end == 0 && end != text ? value : fallback;
}

} // namespace

CKWTokenList::CKWTokenList(const char16_t* text, int maxTokens, char16_t sep) {
    Split(text, maxTokens < 0 ? 0 : maxTokens, sep, Rules{true, true, true});
}

CKWTokenList::CKWTokenList(const char16_t* text, char16_t sep, bool noQuotes, bool noBrackets,
                           bool keepBlanks) {
    m_useIndex = sep == u'\n' && noQuotes && noBrackets && keepBlanks;
    Split(text, 0, sep, Rules{!noQuotes, !noBrackets, !keepBlanks});
}

CKWTokenList::~CKWTokenList() = default;

CKWTokenList::CKWTokenList(CKWTokenList&& other) noexcept { *this = std::move(other); }

CKWTokenList& CKWTokenList::operator=(CKWTokenList&& other) noexcept {
    if (this == &other)
        return *this;
    // The buffer moves as a whole, so every token pointer stays valid in its new owner.
    m_buffer = std::move(other.m_buffer);
    m_count = std::exchange(other.m_count, 0);
    std::memcpy(m_firstTen, other.m_firstTen, sizeof m_firstTen);
    m_index = std::move(other.m_index);
    other.m_index.clear();
    m_useIndex = other.m_useIndex;
    m_cursorIndex = std::exchange(other.m_cursorIndex, -1);
    m_cursorPointer = std::exchange(other.m_cursorPointer, nullptr);
    return *this;
}

// One pass over text. Each token is written to the buffer and ended by a 0 unit; the buffer has room
// for twice the input length plus one, since every input unit adds at most one unit and one end.
void CKWTokenList::Split(const char16_t* text, int maxTokens, char16_t sep, const Rules& rules) {
    const std::size_t n = Length(text);
    if (n == 0)
        return;
    m_buffer = std::make_unique_for_overwrite<char16_t[]>(2 * n + 1);
    char16_t* out = m_buffer.get();
    char16_t* tokenStart = out;

    auto trimTrailingBlanks = [&] {
        while (out > tokenStart && IsBlank(out[-1]))
            --out;
    };
    auto copy = [&](std::size_t from, std::size_t to) {
        std::memcpy(out, text + from, (to - from) * sizeof(char16_t));
        out += to - from;
    };
    auto endToken = [&] {
        *out++ = 0;
        if (m_count < kFixed)
            m_firstTen[m_count] = tokenStart;
        if (m_useIndex)
            m_index.push_back(tokenStart);
        ++m_count;
        tokenStart = out;
    };

    // The units that end a run of ordinary characters; everything else inside a token is copied as is.
    bool special[128] = {};
    auto markSpecial = [&](char16_t c) {
        if (c < 128)
            special[c] = true;
    };
    markSpecial(sep);
    if (sep == u'\n')
        markSpecial(u'\r');
    if (rules.quotes)
        markSpecial(u'"'), markSpecial(u'\'');
    if (rules.brackets)
        markSpecial(u'('), markSpecial(u'['), markSpecial(u'{');
    auto isSpecial = [&](char16_t c) { return c < 128 ? special[c] : c == sep; };

    bool inDoubleQuotes = false, inSingleQuotes = false, atTokenStart = true;
    int depth = 0;
    std::size_t i = 0;
    while (i < n) {
        const char16_t c = text[i];
        if (inDoubleQuotes || inSingleQuotes) {
            if (c == (inDoubleQuotes ? u'"' : u'\'')) {
                inDoubleQuotes = inSingleQuotes = false;
                if (rules.trimBlanks)
                    trimTrailingBlanks();
            } else {
                *out++ = c;
            }
            ++i;
            continue;
        }
        if (rules.brackets && depth > 0) {
            if (IsOpeningBracket(c))
                ++depth;
            else if (IsClosingBracket(c))
                --depth;
            *out++ = c;
            ++i;
            continue;
        }
        if (rules.quotes && (c == u'"' || c == u'\'')) {
            if (atTokenStart) {
                (c == u'"' ? inDoubleQuotes : inSingleQuotes) = true;
                atTokenStart = false;
                ++i;
            } else if (i + 1 < n && text[i + 1] == c) {
                *out++ = c; // a doubled quote inside a token is a literal quote
                i += 2;
            } else {
                // A quoted stretch inside a token loses its quotes and protects separators.
                std::size_t close = i + 1;
                while (close < n && text[close] != c)
                    ++close;
                copy(i + 1, close);
                i = close < n ? close + 1 : close;
            }
            continue;
        }
        if (rules.brackets && IsOpeningBracket(c)) {
            depth = 1;
            *out++ = c;
            atTokenStart = false;
            ++i;
            continue;
        }
        std::size_t separatorLength = 0;
        if (c == sep)
            separatorLength = 1;
        else if (sep == u'\n' && c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            separatorLength = 2;
        if (separatorLength != 0) {
            if (rules.trimBlanks)
                trimTrailingBlanks();
            if (maxTokens == 1) {
                copy(i, n); // the text is one token
                i = n;
                break;
            }
            endToken();
            atTokenStart = true;
            i += separatorLength;
            if (maxTokens >= 2 && m_count == maxTokens - 1) {
                // The last allowed token is the rest of the text, verbatim.
                if (rules.trimBlanks)
                    while (i < n && IsBlank(text[i]))
                        ++i;
                copy(i, n);
                endToken();
                return;
            }
            if (sep == u' ')
                while (i < n && IsBlank(text[i]))
                    ++i; // a run of blanks separates once
            continue;
        }
        if (rules.trimBlanks && atTokenStart && IsBlank(c)) {
            ++i;
            continue;
        }
        *out++ = c;
        atTokenStart = false;
        for (++i; i < n && !isSpecial(text[i]); ++i)
            *out++ = text[i];
    }
    if (rules.trimBlanks)
        trimTrailingBlanks();
    endToken();
}

const char16_t* CKWTokenList::GetToken(int i) const {
    if (i < 0 || i >= m_count)
        return u"";
    if (i < kFixed)
        return m_firstTen[i];
    if (m_useIndex)
        return m_index[std::size_t(i)];
    return WalkTo(i);
}

// Finds token i (at least the tenth) by counting 0 units from the nearer of the last token asked for
// and the tenth token, and remembers where it ended up.
const char16_t* CKWTokenList::WalkTo(int i) const {
    int at = kFixed - 1;
    const char16_t* p = m_firstTen[kFixed - 1];
    if (m_cursorIndex >= kFixed - 1) {
        const int fromCursor = m_cursorIndex > i ? m_cursorIndex - i : i - m_cursorIndex;
        if (fromCursor < i - at) {
            at = m_cursorIndex;
            p = m_cursorPointer;
        }
    }
    for (; at < i; ++at) {
        while (*p != 0)
            ++p;
        ++p;
    }
    for (; at > i; --at) {
        --p; // the end of the previous token
        while (p[-1] != 0)
            --p;
    }
    m_cursorIndex = i;
    m_cursorPointer = p;
    return p;
}

int CKWTokenList::FindToken(const char16_t* name) const {
    if (name == nullptr)
        return -1;
    for (int i = 0; i < m_count; ++i)
        if (EqualsNoCase(GetToken(i), name))
            return i;
    return -1;
}

bool CKWTokenList::TokenIs(int i, const char16_t* name) const {
    return i >= 0 && i < m_count && EqualsNoCase(GetToken(i), name);
}

int CKWTokenList::FindPrefix(const char16_t* prefix, int first, int last) const {
    if (first < 0)
        first = 0;
    if (last < 0 || last >= m_count)
        last = m_count - 1;
    for (int i = first; i <= last; ++i)
        if (StartsWithNoCase(GetToken(i), prefix))
            return i;
    return -1;
}

const char16_t* CKWTokenList::GetOptionValue(const char16_t* prefix) const {
    const int i = FindPrefix(prefix);
    if (i < 0)
        return u"";
    return SkipBlanksAndTabs(GetToken(i) + Length(prefix));
}

const char16_t* CKWTokenList::GetOptionValueAfter(const char16_t* prefix, char16_t ch) const {
    const int i = FindPrefix(prefix);
    if (i < 0)
        return u"";
    const char16_t* p = GetToken(i);
    while (*p != 0 && *p != ch)
        ++p;
    if (*p == 0)
        return u"";
    return SkipBlanksAndTabs(p + 1);
}

int32_t CKWTokenList::GetOptionInt(const char16_t* prefix, int32_t fallback) const {
    const int i = FindPrefix(prefix);
    if (i < 0)
        return fallback;
    return WholeNumberOr(GetToken(i) + Length(prefix), 0, fallback);
}

int32_t CKWTokenList::GetOptionIntAfterEquals(const char16_t* prefix, int32_t fallback) const {
    return WholeNumberOr(GetOptionValueAfter(prefix, u'='), 0, fallback);
}

int32_t CKWTokenList::GetTokenInt(int i, int radix, int32_t fallback, bool* error) const {
    if (i < 0 || i >= m_count) {
        if (error != nullptr)
            *error = true;
        return fallback;
    }
    const char16_t* token = GetToken(i);
    if (*token == 0)
        return fallback;
    const char16_t* end = nullptr;
    const int32_t value = ParseLong(token, radix, &end);
    if (*end != 0 && error != nullptr)
        *error = true;
    return value;
}

uint32_t CKWTokenList::GetTokenNumber(int i) const { return ParseNumber(GetToken(i)); }
