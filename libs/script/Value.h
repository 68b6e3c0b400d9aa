// The value of an expression while a script runs: a text, or a number or truth value that becomes a
// text only when one is needed (to join, compare as text, store, pass to a host function or return).
// Values are small and cheap to move: a text is the program's literal or a shared variable text.
#pragma once

#include "ScriptText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kwscript {

class Value {
public:
    Value() = default;
    // A literal of the program; the program outlives the run.
    static Value Literal(const ScriptText& text) {
        Value value;
        value.m_text = &text;
        return value;
    }
    // A variable's text, held for as long as the value lives.
    static Value Shared(TextRef text) {
        Value value;
        value.m_held = std::move(text);
        value.m_text = value.m_held ? &*value.m_held : nullptr;
        return value;
    }
    static Value Text(std::u16string text) { return Shared(TextRef::Make(std::move(text))); }
    static Value Number(int64_t number) {
        Value value;
        value.m_kind = Kind::Number;
        value.m_number = number;
        return value;
    }
    static Value Boolean(bool truth) {
        Value value;
        value.m_kind = Kind::Boolean;
        value.m_truth = truth;
        return value;
    }

    // The value as a number, when it is one. The empty text reads as 0 when emptyIsZero is set.
    bool AsNumber(int64_t& number, bool emptyIsZero) const;
    // Truth: "true" and "false" ignoring case, a number that is not 0, any other non-empty text.
    bool Truth() const;
    // The value as a text; valid while the value lives.
    std::u16string_view View() const;
    const char16_t* CString() const;

    // Stores the value into a variable, reusing the variable's text when nothing else holds it.
    void StoreInto(TextRef& variable) const;

    // Compares as numbers when both are numbers, otherwise as texts ignoring ASCII case: <0, 0 or >0.
    static int Compare(const Value& a, const Value& b);

private:
    enum class Kind : uint8_t { Text, Number, Boolean };

    Kind m_kind = Kind::Text;
    bool m_truth = false;
    int64_t m_number = 0;
    const ScriptText* m_text = nullptr; // Text: the literal's or the held text's; null is the empty text
    // Text: keeps a variable's or a computed text alive. Number: its decimal text, made when first asked.
    mutable TextRef m_held;
};

} // namespace kwscript
