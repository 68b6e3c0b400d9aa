// The exported functions of the script engine: each finds its scope or script and hands the work to
// the engine. Handles that find nothing answer -1, 0 or null as each function says.
#include "ScriptCore.h"

#include "Engine.h"
#include "Program.h"

#include "core/KWStr.h"
#include "core/KWTokenList.h"

#define KWSCRIPT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace kwscript;

Engine& TheEngine() { return Engine::Instance(); }

std::u16string_view Text(const char16_t* text) { return text != nullptr ? text : u""; }

// A variable or function name as the host writes it; empty when there is none.
std::u16string_view NameOf(const char16_t* name) { return BareName(Text(name)); }

void Put(CKWStr* out, std::u16string_view text) {
    if (out != nullptr)
        *out = text;
}

} // namespace

KWSCRIPT_EXPORT int32_t SetScope(const char16_t* name, int32_t parent, intptr_t argument) {
    return TheEngine().NewScope(Text(name), parent, argument);
}

KWSCRIPT_EXPORT int32_t SetScript(int32_t scope, const char16_t* text) {
    return TheEngine().Compile(scope, Text(text));
}

KWSCRIPT_EXPORT int32_t ExecScript(int32_t script) {
    int32_t integer = 0;
    TheEngine().Run(script, &integer, nullptr);
    return integer;
}

KWSCRIPT_EXPORT int32_t SetVar(int32_t scope, const char16_t* name, const char16_t* text) {
    Scope* found = TheEngine().FindScope(scope);
    const std::u16string_view bare = NameOf(name);
    if (found == nullptr || bare.empty())
        return 0;
    TextRef& variable = found->Variable(found->VariableSlot(bare));
    if (text == nullptr)
        variable = TextRef();
    else
        variable.Set(text);
    return 1;
}

KWSCRIPT_EXPORT const char16_t* GetVar(int32_t scope, const char16_t* name) {
    const Scope* found = TheEngine().FindScope(scope);
    const TextRef* text = found != nullptr ? found->Find(NameOf(name)) : nullptr;
    return text != nullptr ? (*text)->Text().c_str() : nullptr;
}

KWSCRIPT_EXPORT int32_t InitVar(int32_t scope, int32_t keepBackup) {
    Scope* found = TheEngine().FindScope(scope);
    if (found == nullptr)
        return 0;
    found->ClearVariables(keepBackup != 0);
    return 1;
}

KWSCRIPT_EXPORT int32_t SetCallBack(int32_t scope, const char16_t* name, KWScriptFunction function,
                                    void* object) {
    Scope* found = TheEngine().FindScope(scope);
    const std::u16string_view bare = NameOf(name);
    if (found == nullptr || bare.empty())
        return 0;
    found->SetFunction(bare, function, object);
    return 1;
}

KWSCRIPT_EXPORT int32_t SetAlias(int32_t scope, const char16_t* alias, const char16_t* name) {
    Scope* found = TheEngine().FindScope(scope);
    const std::u16string_view bareAlias = NameOf(alias);
    const std::u16string_view bareName = NameOf(name);
    if (found == nullptr || bareAlias.empty() || bareName.empty())
        return 0;
    return found->SetAlias(bareAlias, bareName) ? 1 : 0;
}

KWSCRIPT_EXPORT const char16_t* GetErrStr() { return TheEngine().LastError().c_str(); }

KWSCRIPT_EXPORT const char16_t* GetParseResult(int32_t script) {
    const Script* found = TheEngine().FindScript(script);
    return found != nullptr ? TheEngine().Keep(PrintProgram(found->program)) : nullptr;
}

KWSCRIPT_EXPORT int32_t Init() { return TheEngine().Init(); }

KWSCRIPT_EXPORT void Uninit() { TheEngine().Uninit(); }

KWSCRIPT_EXPORT int32_t CellGetNewScope(int32_t parent, intptr_t argument) {
    return TheEngine().NewScope(u"", parent, argument);
}

KWSCRIPT_EXPORT int32_t CellSetSearchPath(const char16_t* folders) {
    TheEngine().SetSearchPath(Text(folders));
    return 1;
}

KWSCRIPT_EXPORT int32_t CellGetSearchPath(CKWStr* folders) {
    const auto& path = TheEngine().SearchPath();
    std::u16string text;
    for (const std::u16string& folder : path)
        text.append(text.empty() ? u"" : u";").append(folder);
    Put(folders, text);
    return int32_t(path.size());
}

KWSCRIPT_EXPORT int32_t CellSetVar(int32_t scope, const char16_t* name, const char16_t* text) {
    Scope* found = TheEngine().FindScope(scope);
    const std::u16string_view bare = NameOf(name);
    if (found == nullptr || bare.empty())
        return 0;
    TextRef* holder = found->Holder(bare);
    (holder != nullptr ? *holder : found->Variable(found->VariableSlot(bare))).Set(Text(text));
    return 1;
}

KWSCRIPT_EXPORT int32_t CellGetVar(int32_t scope, const char16_t* name, CKWStr* text) {
    const Scope* found = TheEngine().FindScope(scope);
    const TextRef* variable = found != nullptr ? found->Find(NameOf(name)) : nullptr;
    Put(text, variable != nullptr ? std::u16string_view((*variable)->Text()) : std::u16string_view());
    return variable != nullptr ? 1 : 0;
}

KWSCRIPT_EXPORT int32_t CellInitVar(int32_t scope, const char16_t* names) {
    Scope* found = TheEngine().FindScope(scope);
    if (found == nullptr)
        return 0;
    const CKWTokenList list(Text(names).data(), 0, u',');
    int32_t count = 0;
    for (int i = 0; i < list.Count(); ++i) {
        const std::u16string_view bare = BareName(list.GetToken(i));
        if (bare.empty())
            continue;
        found->Variable(found->VariableSlot(bare)).Set(u"");
        ++count;
    }
    return count;
}

KWSCRIPT_EXPORT int32_t CellSetScript(int32_t scope, const char16_t* file) {
    return TheEngine().CompileFile(scope, Text(file));
}

KWSCRIPT_EXPORT int32_t CellRunScript(int32_t script, CKWStr* result) {
    return TheEngine().Run(script, nullptr, result) ? 1 : 0;
}

KWSCRIPT_EXPORT int32_t CellRunScriptParam(int32_t script, const char16_t* parameters, CKWStr* result) {
    return TheEngine().RunWithParameters(script, Text(parameters), result) ? 1 : 0;
}

KWSCRIPT_EXPORT int32_t SetFuncCallback(KWScriptFunction function, void* object) {
    TheEngine().SetFallback(function, object);
    return 1;
}

KWSCRIPT_EXPORT int32_t SetFuncCase(int32_t scope, int32_t caseSensitive) {
    Scope* found = TheEngine().FindScope(scope);
    if (found == nullptr)
        return 0;
    found->SetCaseSensitive(caseSensitive != 0);
    return 1;
}

KWSCRIPT_EXPORT int32_t DeleteVarBackup(int32_t scope) {
    Scope* found = TheEngine().FindScope(scope);
    return found != nullptr && found->DeleteBackup() ? 1 : 0;
}

KWSCRIPT_EXPORT int32_t RestoreVar(int32_t scope) {
    Scope* found = TheEngine().FindScope(scope);
    return found != nullptr && found->RestoreVariables() ? 1 : 0;
}

KWSCRIPT_EXPORT int32_t DeleteScope(int32_t scope) { return TheEngine().DeleteScope(scope) ? 1 : 0; }

KWSCRIPT_EXPORT int32_t GetDebugData(int32_t scope, CKWStr* text) {
    const Scope* found = TheEngine().FindScope(scope);
    Put(text, found != nullptr ? found->Describe() : std::u16string());
    return found != nullptr ? 1 : 0;
}

KWSCRIPT_EXPORT const char16_t* GetResult(int32_t script) {
    const Script* found = TheEngine().FindScript(script);
    return found != nullptr ? found->result.c_str() : nullptr;
}
