#include "KWScriptEngine.h"

#include "core/KWModuleFolder.h"

#include <dlfcn.h>

CKWScriptEngine& CKWScriptEngine::Instance() {
    static CKWScriptEngine engine;
    return engine;
}

bool CKWScriptEngine::Load(const std::string& path) {
    if (m_library != nullptr)
        return true;
    void* library =
        dlopen((path.empty() ? ProgramFolder() + "/ScriptCore.so" : path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return false;
    Functions functions;
    bool complete = true;
#define KWSCRIPT_FETCH(name, result, parameters)                                                             \
    functions.name = reinterpret_cast<result(*) parameters>(dlsym(library, #name));                          \
    complete = complete && functions.name != nullptr;
    KWSCRIPT_FUNCTIONS(KWSCRIPT_FETCH)
    KWSCRIPT_EXTRA_FUNCTIONS(KWSCRIPT_FETCH)
#undef KWSCRIPT_FETCH
    if (!complete) {
        dlclose(library);
        return false;
    }
    m_library = library;
    m_functions = functions;
    m_functions.Init();
    return true;
}

void CKWScriptEngine::Unload() {
    if (m_library == nullptr)
        return;
    m_functions.Uninit();
    dlclose(m_library);
    m_library = nullptr;
    m_functions = Functions();
}

int32_t CKWScriptEngine::SetScope(const char16_t* name, int32_t parent, intptr_t argument) const {
    return m_library != nullptr ? m_functions.SetScope(name, parent, argument) : -1;
}

int32_t CKWScriptEngine::SetScript(int32_t scope, const char16_t* text) const {
    return Usable(scope) ? m_functions.SetScript(scope, text) : -1;
}

int32_t CKWScriptEngine::ExecScript(int32_t script) const {
    return Usable(script) ? m_functions.ExecScript(script) : 0;
}

bool CKWScriptEngine::SetVar(int32_t scope, const char16_t* name, const char16_t* text) const {
    return Usable(scope) && m_functions.SetVar(scope, name, text) != 0;
}

const char16_t* CKWScriptEngine::GetVar(int32_t scope, const char16_t* name) const {
    return Usable(scope) ? m_functions.GetVar(scope, name) : nullptr;
}

bool CKWScriptEngine::SetCallBack(int32_t scope, const char16_t* name, KWScriptFunction function,
                                  void* object) const {
    return Usable(scope) && m_functions.SetCallBack(scope, name, function, object) != 0;
}

CKWStr CKWScriptEngine::GetResult(int32_t script) const {
    return Usable(script) ? CKWStr(m_functions.GetResult(script)) : CKWStr();
}

CKWStr CKWScriptEngine::GetErrStr() const {
    return m_library != nullptr ? CKWStr(m_functions.GetErrStr()) : CKWStr();
}

bool CKWScriptEngine::DeleteScope(int32_t scope) const {
    return Usable(scope) && m_functions.DeleteScope(scope) != 0;
}
