// The host's access to the script engine: ScriptCore.so loaded from the program folder, its functions
// fetched by name, and guarded wrappers of those the host calls.
//
// The library counts only when every function is there: when it or any function is missing, it is
// unloaded again and every script does nothing, so windows show their defaults (scope and script
// handles -1, ExecScript 0, GetVar absent, GetResult empty). Each wrapper first checks that the library
// is loaded and the handle is not negative.
#pragma once

#include "core/KWStr.h"
#include "libs/script/ScriptCoreFunctions.h"

#include <cstdint>
#include <string>

class CKWScriptEngine {
public:
    struct Functions {
#define KWSCRIPT_FUNCTION_POINTER(name, result, parameters) result(*name) parameters = nullptr;
        KWSCRIPT_FUNCTIONS(KWSCRIPT_FUNCTION_POINTER)
        KWSCRIPT_EXTRA_FUNCTIONS(KWSCRIPT_FUNCTION_POINTER)
#undef KWSCRIPT_FUNCTION_POINTER
    };

    // The one accessor of the process.
    static CKWScriptEngine& Instance();

    CKWScriptEngine() = default;
    CKWScriptEngine(const CKWScriptEngine&) = delete;
    CKWScriptEngine& operator=(const CKWScriptEngine&) = delete;
    ~CKWScriptEngine() { Unload(); }

    // Loads the library (ScriptCore.so in the program folder unless a path is given), fetches every
    // function and calls Init. False when the library or any function is missing.
    bool Load(const std::string& path = {});
    // Calls Uninit and unloads the library.
    void Unload();
    bool IsLoaded() const { return m_library != nullptr; }

    int32_t SetScope(const char16_t* name, int32_t parent = -1, intptr_t argument = 0) const;
    int32_t SetScript(int32_t scope, const char16_t* text) const;
    int32_t ExecScript(int32_t script) const;
    bool SetVar(int32_t scope, const char16_t* name, const char16_t* text) const;
    // The variable's text, valid until the scope next changes; null when absent.
    const char16_t* GetVar(int32_t scope, const char16_t* name) const;
    bool SetCallBack(int32_t scope, const char16_t* name, KWScriptFunction function, void* object) const;
    // The result text of the script's last run.
    CKWStr GetResult(int32_t script) const;
    // The message of the last compilation or run that failed; empty after one that succeeded.
    CKWStr GetErrStr() const;
    bool DeleteScope(int32_t scope) const;

private:
    bool Usable(int32_t handle) const { return m_library != nullptr && handle >= 0; }

    void* m_library = nullptr;
    Functions m_functions;
};
