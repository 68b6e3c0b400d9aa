#include "Engine.h"

#include "Evaluator.h"
#include "Parser.h"
#include "ScriptFile.h"

#include "core/KWStr.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "core/KWUnicode.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kwscript {

namespace {

// Gives every name the program uses its slot in the scope.
void Bind(Program& program, Scope& scope) {
    for (Node& node : program.nodes) {
        if (node.op == Op::Variable || node.op == Op::Assign)
            node.slot = scope.VariableSlot(program.names[std::size_t(node.a)]);
        else if (node.op == Op::Call)
            node.slot = scope.FunctionSlot(program.names[std::size_t(node.a)]);
    }
}

// The integer a result stands for: a number's low 32 bits, else 1 when the text is true and 0 when not.
int32_t ResultInteger(const Value& result) {
    int64_t number = 0;
    if (result.AsNumber(number, false))
        return int32_t(uint32_t(uint64_t(number)));
    return result.Truth() ? 1 : 0;
}

} // namespace

Engine& Engine::Instance() {
    // Never destroyed: the host may still call Uninit while the process ends.
    static Engine& engine = *new Engine;
    return engine;
}

void Engine::Uninit() {
    if (m_useCount > 0 && --m_useCount > 0)
        return;
    m_scripts.clear();
    m_scopes.clear();
    m_fallback = HostFunction();
    m_searchPath.clear();
}

int32_t Engine::NewScope(std::u16string_view name, int32_t parent, intptr_t argument) {
    std::shared_ptr<Scope> parentScope;
    if (parent >= 0) {
        const auto it = m_scopes.find(parent);
        if (it == m_scopes.end()) {
            m_error = CKWStr().Format(u"there is no scope %d", parent).Text();
            return -1;
        }
        parentScope = it->second;
        if (parentScope->Depth() >= kMaxNesting) {
            m_error = CKWStr().Format(u"scopes nest deeper than %d levels", kMaxNesting).Text();
            return -1;
        }
    }
    if (m_nextScope == std::numeric_limits<int32_t>::max())
        return -1;
    const int32_t handle = m_nextScope++;
    m_scopes.emplace(handle, std::make_shared<Scope>(handle, std::u16string(name), parentScope, argument));
    if (parentScope)
        parentScope->Children().push_back(handle);
    return handle;
}

Scope* Engine::FindScope(int32_t handle) const {
    const auto it = m_scopes.find(handle);
    return it != m_scopes.end() ? it->second.get() : nullptr;
}

bool Engine::DeleteScope(int32_t handle) {
    const auto it = m_scopes.find(handle);
    if (it == m_scopes.end())
        return false;
    const std::shared_ptr<Scope> scope = it->second;
    m_scopes.erase(it);
    if (const auto& parent = scope->Parent()) {
        auto& siblings = parent->Children();
        siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    }
    for (const auto& [text, script] : scope->ScriptsByText())
        m_scripts.erase(script);
    const std::vector<int32_t> children = std::move(scope->Children());
    for (const int32_t child : children)
        DeleteScope(child);
    return true;
}

int32_t Engine::Compile(int32_t scopeHandle, std::u16string_view text) {
    const auto it = m_scopes.find(scopeHandle);
    if (it == m_scopes.end()) {
        m_error = CKWStr().Format(u"there is no scope %d", scopeHandle).Text();
        return -1;
    }
    Scope& scope = *it->second;
    if (const auto known = scope.ScriptsByText().find(text); known != scope.ScriptsByText().end()) {
        m_error.clear();
        return known->second;
    }
    auto script = std::make_shared<Script>();
    std::u16string error;
    if (!Parse(text, script->program, error)) {
        m_error = std::move(error);
        return -1;
    }
    if (m_nextScript == std::numeric_limits<int32_t>::max())
        return -1;
    Bind(script->program, scope);
    script->handle = m_nextScript++;
    script->scope = it->second;
    m_scripts.emplace(script->handle, script);
    scope.ScriptsByText().emplace(std::u16string(text), script->handle);
    m_error.clear();
    return script->handle;
}

int32_t Engine::CompileFile(int32_t scope, std::u16string_view file) {
    std::u16string text;
    const std::string name = Utf16ToUtf8(file);
    bool found = false;
    if (!name.empty() && name.front() == '/') {
        found = ReadScriptFile(name, text);
    } else if (!name.empty()) {
        for (const std::u16string& folder : m_searchPath)
            if ((found = ReadScriptFile(Utf16ToUtf8(folder) + "/" + name, text)))
                break;
    }
    if (!found) {
        m_error = u"the script file '" + std::u16string(file) + u"' cannot be read";
        return -1;
    }
    const int32_t script = Compile(scope, text);
    if (script < 0 && !m_error.empty())
        m_error = std::u16string(file) + u": " + m_error;
    return script;
}

Script* Engine::FindScript(int32_t handle) const {
    const auto it = m_scripts.find(handle);
    return it != m_scripts.end() ? it->second.get() : nullptr;
}

bool Engine::Run(int32_t handle, int32_t* integer, CKWStr* text) {
    if (integer != nullptr)
        *integer = 0;
    if (text != nullptr)
        text->Clear();
    const auto it = m_scripts.find(handle);
    if (it == m_scripts.end()) {
        m_error = CKWStr().Format(u"there is no script %d", handle).Text();
        return false;
    }
    if (m_runDepth >= kMaxRunDepth) {
        m_error =
            CKWStr().Format(u"scripts run inside each other deeper than %d levels", kMaxRunDepth).Text();
        return false;
    }
    // Held for the run, and the scope with it: a host function may delete either meanwhile.
    const std::shared_ptr<Script> script = it->second;
    Value result; // may borrow the program's literals: read while the script is held
    std::u16string error;
    ++m_runDepth;
    Evaluator evaluator(script->program, *script->scope,
                        m_fallback.function != nullptr ? &m_fallback : nullptr);
    const bool done = evaluator.Run(result, error);
    --m_runDepth;
    script->result.assign(result.View());
    if (integer != nullptr)
        *integer = ResultInteger(result);
    if (text != nullptr)
        *text = result.View();
    if (done)
        m_error.clear();
    else
        m_error = std::move(error);
    return done;
}

bool Engine::RunWithParameters(int32_t handle, std::u16string_view parameters, CKWStr* text) {
    const Script* found = FindScript(handle);
    if (found == nullptr)
        return Run(handle, nullptr, text);
    const std::shared_ptr<Scope> scope = found->scope;

    const std::u16string list(parameters);
    const CKWTokenList items(list.c_str(), 0, u',');
    std::vector<std::pair<int32_t, TextRef>> previous; // each parameter's variable as it was
    const auto restore = [&] {
        for (auto it = previous.rbegin(); it != previous.rend(); ++it)
            scope->Variable(it->first) = std::move(it->second);
    };
    for (int i = 0; i < items.Count(); ++i) {
        const std::u16string_view item = items.GetToken(i);
        const std::size_t equals = item.find(u'=');
        const std::u16string_view name = BareName(TrimBlanks(item.substr(0, equals)));
        if (equals == std::u16string_view::npos || name.empty()) {
            restore();
            if (text != nullptr)
                text->Clear();
            m_error = u"the parameter '" + std::u16string(item) + u"' is not written name=value";
            return false;
        }
        const int32_t slot = scope->VariableSlot(name);
        previous.emplace_back(slot, scope->Variable(slot));
        scope->Variable(slot) = TextRef::Make(std::u16string(TrimBlanks(item.substr(equals + 1))));
    }
    const bool done = Run(handle, nullptr, text);
    restore();
    return done;
}

void Engine::SetFallback(KWScriptFunction function, void* object) {
    m_fallback = HostFunction{u"", function, object, -1};
}

void Engine::SetSearchPath(std::u16string_view folders) {
    m_searchPath.clear();
    const std::u16string text(folders);
    const CKWTokenList items(text.c_str(), u';', true, true, false);
    for (int i = 0; i < items.Count(); ++i)
        if (*items.GetToken(i) != 0)
            m_searchPath.emplace_back(items.GetToken(i));
}

const char16_t* Engine::Keep(std::u16string text) {
    m_kept = std::move(text);
    return m_kept.c_str();
}

} // namespace kwscript
