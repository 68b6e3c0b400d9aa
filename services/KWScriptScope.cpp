#include "KWScriptScope.h"

#include "KWScriptEngine.h"

namespace {

const CKWScriptEngine& Engine() { return CKWScriptEngine::Instance(); }

} // namespace

CKWScriptScope::CKWScriptScope(const CKWStr& name, intptr_t argument)
    : m_handle(Engine().SetScope(name.c_str(), -1, argument)), m_name(name) {}

CKWScriptScope::~CKWScriptScope() { Engine().DeleteScope(m_handle); }

int32_t CKWScriptScope::Compile(const char16_t* text) const { return Engine().SetScript(m_handle, text); }

int32_t CKWScriptScope::Run(int32_t script) const { return Engine().ExecScript(script); }

CKWStr CKWScriptScope::RunForText(int32_t script) const {
    Engine().ExecScript(script);
    return Engine().GetResult(script);
}

bool CKWScriptScope::SetVar(const char16_t* name, const char16_t* text) const {
    return Engine().SetVar(m_handle, name, text);
}

CKWStr CKWScriptScope::GetVar(const char16_t* name) const { return CKWStr(Engine().GetVar(m_handle, name)); }

bool CKWScriptScope::SetCallBack(const char16_t* name, KWScriptFunction function, void* object) const {
    return Engine().SetCallBack(m_handle, name, function, object);
}
