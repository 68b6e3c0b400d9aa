#include "KWStr.h"

#include "KWFormat.h"
#include "KWText.h"
#include "KWUnicode.h"

namespace {

void AppendDigits(std::u16string& out, uint64_t value, unsigned radix) {
    char16_t digits[64];
    int n = 0;
    do {
        const unsigned d = value % radix;
        digits[n++] = char16_t(d < 10 ? u'0' + d : u'a' + (d - 10));
        value /= radix;
    } while (value != 0);
    while (n > 0)
        out.push_back(digits[--n]);
}

void AppendDecimal(std::u16string& out, int32_t value) {
    if (value < 0)
        out.push_back(u'-');
    AppendDigits(out, value < 0 ? 0u - uint32_t(value) : uint32_t(value), 10);
}

} // namespace

CKWStr::CKWStr(const char16_t* text) : m_text(text != nullptr ? text : u"") {}
CKWStr::CKWStr(std::u16string_view text) : m_text(text) {}
CKWStr::CKWStr(std::u16string&& text) : m_text(std::move(text)) {}
CKWStr::CKWStr(int32_t value) { AppendDecimal(m_text, value); }

CKWStr::CKWStr(int32_t value, int radix) {
    if (radix == 16)
        AppendHex(uint32_t(value));
    else if (radix >= 2 && radix <= 36 && radix != 10)
        AppendDigits(m_text, uint32_t(value), unsigned(radix));
    else
        AppendDecimal(m_text, value);
}

CKWStr& CKWStr::operator=(const char16_t* text) {
    if (text == nullptr)
        m_text.clear();
    else
        m_text.assign(text);
    return Changed();
}

CKWStr& CKWStr::operator=(std::u16string_view text) {
    m_text.assign(text);
    return Changed();
}

CKWStr& CKWStr::operator+=(const char16_t* text) {
    if (text != nullptr)
        m_text.append(text);
    return Changed();
}

CKWStr& CKWStr::operator+=(std::u16string_view text) {
    m_text.append(text);
    return Changed();
}

CKWStr& CKWStr::operator+=(char16_t c) {
    m_text.push_back(c);
    return Changed();
}

CKWStr& CKWStr::AppendInt(int32_t value) {
    AppendDecimal(m_text, value);
    return Changed();
}

CKWStr& CKWStr::AppendHex(uint32_t value) {
    m_text.append(u"0x");
    AppendDigits(m_text, value, 16);
    return Changed();
}

CKWStr& CKWStr::AppendAddress(const void* address) {
    m_text.append(u"0x");
    AppendDigits(m_text, reinterpret_cast<uintptr_t>(address), 16);
    return Changed();
}

CKWStr& CKWStr::AssignEscaped(const char16_t* text) {
    m_text.clear();
    if (text == nullptr)
        return Changed();
    for (; *text != 0; ++text) {
        if (*text != u'\\') {
            m_text.push_back(*text);
            continue;
        }
        const char16_t next = *++text;
        if (next == 0)
            break; // a trailing lone backslash is dropped
        switch (next) {
        case u't': m_text.push_back(u'\t'); break;
        case u'n': m_text.push_back(u'\n'); break;
        case u'r': m_text.push_back(u'\r'); break;
        default: m_text.push_back(next); break;
        }
    }
    return Changed();
}

CKWStr& CKWStr::Format(const char16_t* format, ...) {
    m_text.clear();
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
    return *this;
}

CKWStr& CKWStr::AppendFormat(const char16_t* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
    return *this;
}

CKWStr& CKWStr::AppendFormatV(const char16_t* format, va_list args) {
    AppendFormatted(m_text, format, args);
    return Changed();
}

void CKWStr::Clear() {
    m_text.clear();
    Changed();
}

int32_t CKWStr::Hash() const {
    if (m_hash == 0)
        m_hash = HashNoCase(m_text.c_str());
    return m_hash;
}

CKWStr CKWStr::FromUtf8(std::string_view utf8) { return CKWStr(Utf8ToUtf16(utf8)); }
std::string CKWStr::ToUtf8() const { return Utf16ToUtf8(m_text); }
