// The host's side of one script scope: its handle and its name. A window makes one for its scripts;
// the scope, and every script compiled in it, go with the object. Without the script engine the
// handle is -1 and every call does nothing.
#pragma once

#include "core/KWStr.h"
#include "libs/script/ScriptCoreFunctions.h"

#include <cstdint>

class CKWScriptScope {
public:
    explicit CKWScriptScope(const CKWStr& name, intptr_t argument = 0);
    ~CKWScriptScope();
    CKWScriptScope(const CKWScriptScope&) = delete;
    CKWScriptScope& operator=(const CKWScriptScope&) = delete;

    int32_t Handle() const { return m_handle; }
    const CKWStr& Name() const { return m_name; }

    // A script compiled from text in this scope; -1 on a syntax error (see CKWScriptEngine::GetErrStr).
    int32_t Compile(const char16_t* text) const;
    // Runs a compiled script: its result as an integer, and as a text.
    int32_t Run(int32_t script) const;
    CKWStr RunForText(int32_t script) const;

    bool SetVar(const char16_t* name, const char16_t* text) const;
    // The variable's text; empty when absent.
    CKWStr GetVar(const char16_t* name) const;
    bool SetCallBack(const char16_t* name, KWScriptFunction function, void* object) const;

private:
    int32_t m_handle;
    CKWStr m_name;
};
