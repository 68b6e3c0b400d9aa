// Shared pieces of the script engine's tests: a scope that goes with the test, and a run that gives
// everything a script left behind.
#pragma once

#include "libs/script/ScriptCore.h"

#include "core/KWStr.h"

#include <cstdint>
#include <string>

namespace kwtest {

// A scope of the engine, deleted when the test ends.
class ScriptScope {
public:
    explicit ScriptScope(const char16_t* name = u"Test", int32_t parent = -1, intptr_t argument = 0)
        : m_handle(SetScope(name, parent, argument)) {}
    ~ScriptScope() { DeleteScope(m_handle); }
    ScriptScope(const ScriptScope&) = delete;
    ScriptScope& operator=(const ScriptScope&) = delete;

    operator int32_t() const { return m_handle; }

    // The variable's text, or "<absent>".
    std::u16string Var(const char16_t* name) const {
        const char16_t* text = GetVar(m_handle, name);
        return text != nullptr ? std::u16string(text) : u"<absent>";
    }

private:
    int32_t m_handle;
};

struct RunOutcome {
    bool compiled = false;
    int32_t integer = 0;
    std::u16string text;  // GetResult after the run
    std::u16string error; // GetErrStr after compiling, or after the run
};

inline RunOutcome RunScript(int32_t scope, const char16_t* text) {
    RunOutcome outcome;
    const int32_t script = SetScript(scope, text);
    outcome.compiled = script >= 0;
    if (outcome.compiled) {
        outcome.integer = ExecScript(script);
        outcome.text = GetResult(script);
    }
    outcome.error = GetErrStr();
    return outcome;
}

inline std::string Utf8(const std::u16string& text) { return CKWStr(text).ToUtf8(); }

} // namespace kwtest
