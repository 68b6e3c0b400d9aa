#include "Value.h"

#include "core/KWNoCase.h"

#include <algorithm>

namespace kwscript {

namespace {

constexpr std::u16string_view kTrue = u"true";
constexpr std::u16string_view kFalse = u"false";

int CompareIgnoringCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = FoldAsciiCase(a[i]);
        const char16_t y = FoldAsciiCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool Value::AsNumber(int64_t& number, bool emptyIsZero) const {
    switch (m_kind) {
    case Kind::Number: number = m_number; return true;
    case Kind::Boolean: return false;
    case Kind::Text: break;
    }
    if (m_text == nullptr || m_text->Text().empty()) {
        number = 0;
        return emptyIsZero;
    }
    if (!m_text->Number().isNumber)
        return false;
    number = m_text->Number().value;
    return true;
}

bool Value::Truth() const {
    switch (m_kind) {
    case Kind::Number: return m_number != 0;
    case Kind::Boolean: return m_truth;
    case Kind::Text: break;
    }
    if (m_text == nullptr || m_text->Text().empty())
        return false;
    if (m_text->Number().isNumber)
        return m_text->Number().value != 0;
    return !NoCaseEqual()(m_text->Text(), kFalse);
}

std::u16string_view Value::View() const {
    switch (m_kind) {
    case Kind::Number:
        if (!m_held) {
            char16_t digits[22];
            m_held = TextRef::Make(std::u16string(digits, FormatNumber(m_number, digits)));
        }
        return m_held->Text();
    case Kind::Boolean: return m_truth ? kTrue : kFalse;
    case Kind::Text: break;
    }
    return m_text != nullptr ? std::u16string_view(m_text->Text()) : std::u16string_view();
}

const char16_t* Value::CString() const {
    // Every text the view can show ends in a null: a std::u16string's or a literal's.
    return View().data() != nullptr ? View().data() : u"";
}

void Value::StoreInto(TextRef& variable) const {
    if (m_held) {
        variable = m_held;
        return;
    }
    if (m_kind == Kind::Number) {
        char16_t digits[22];
        variable.Set(std::u16string_view(digits, FormatNumber(m_number, digits)));
    } else {
        variable.Set(View());
    }
}

int Value::Compare(const Value& a, const Value& b) {
    int64_t x = 0, y = 0;
    if (a.AsNumber(x, false) && b.AsNumber(y, false))
        return x < y ? -1 : (x > y ? 1 : 0);
    return CompareIgnoringCase(a.View(), b.View());
}

} // namespace kwscript
