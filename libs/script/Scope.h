// A scope: the variables and host functions that the scripts bound to it see. Names are kept without
// their "$" and compare without regard to ASCII case.
//
// Scripts are bound to slots: each name a script uses is given a slot of its scope when the script is
// compiled, so a running script reaches a variable or function by index. Slots are never removed;
// clearing the variables only empties them. A name that is absent here is looked up by name in the
// parent scope, and so on up.
#pragma once

#include "ScriptCoreFunctions.h"
#include "ScriptText.h"

#include "core/KWNoCase.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kwscript {

// A host function as registered: with SetCallBack in a scope, or as the engine's fallback.
struct HostFunction {
    std::u16string name;
    KWScriptFunction function = nullptr;
    void* object = nullptr;
    int32_t aliasOf = -1; // in a scope: the slot of the function this name stands for
};

// A name as the host may write it, with or without its "$".
inline std::u16string_view BareName(std::u16string_view name) {
    return !name.empty() && name.front() == u'$' ? name.substr(1) : name;
}

class Scope {
public:
    Scope(int32_t handle, std::u16string name, std::shared_ptr<Scope> parent, intptr_t argument);

    int32_t Handle() const { return m_handle; }
    const std::u16string& Name() const { return m_name; }
    intptr_t Argument() const { return m_argument; }
    const std::shared_ptr<Scope>& Parent() const { return m_parent; }
    // 1 for a scope without a parent, one more for each parent above.
    int Depth() const { return m_depth; }

    // Variables.
    int32_t VariableSlot(std::u16string_view name);
    // The variable's own text here; empty (no text) when the variable is absent.
    TextRef& Variable(int32_t slot) { return m_variables[std::size_t(slot)].text; }
    // The text the variable has here or, when absent here, in the nearest parent that has it.
    const TextRef* Find(int32_t slot) const;
    const TextRef* Find(std::u16string_view name) const;
    // The variable's text where it is held: here or in the nearest parent that has it; null when absent.
    TextRef* Holder(std::u16string_view name);
    // Empties every variable, first keeping them as the backup when asked.
    void ClearVariables(bool keepBackup);
    // Gives back the variables kept by ClearVariables and drops the backup; false without one.
    bool RestoreVariables();
    bool DeleteBackup();

    // Functions.
    int32_t FunctionSlot(std::u16string_view name);
    void SetFunction(std::u16string_view name, KWScriptFunction function, void* object);
    // Makes alias another name of the function name (found when called, here or in a parent). False
    // when the two are the same name or alias would end up standing for itself.
    bool SetAlias(std::u16string_view alias, std::u16string_view name);
    // With case sensitivity on, a call reaches a function of this scope only when it spells the name
    // exactly as it was registered.
    void SetCaseSensitive(bool on) { m_caseSensitive = on; }
    // The function a call of slot (written as spelling) reaches, here or in a parent; null when none.
    const HostFunction* FindFunction(int32_t slot, std::u16string_view spelling) const;

    // The scripts compiled in this scope, by text: compiling the same text again gives the same script.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view text) const noexcept {
            return std::hash<std::u16string_view>()(text);
        }
    };
    using ScriptTable = std::unordered_map<std::u16string, int32_t, TextHash, std::equal_to<>>;
    ScriptTable& ScriptsByText() { return m_scriptsByText; }
    // Scopes made as cells of this one; they go when it goes.
    std::vector<int32_t>& Children() { return m_children; }

    // A readable account of the scope: its name, parent, variables, functions and aliases.
    std::u16string Describe() const;

private:
    struct VariableEntry {
        std::u16string name;
        TextRef text;
    };
    const HostFunction* FindFunction(std::u16string_view name) const;

    int32_t m_handle;
    std::u16string m_name;
    std::shared_ptr<Scope> m_parent;
    intptr_t m_argument;
    int m_depth;
    bool m_caseSensitive = false;
    std::vector<VariableEntry> m_variables;
    NoCaseMap<int32_t> m_variableSlots;
    std::vector<TextRef> m_backup;
    bool m_hasBackup = false;
    std::vector<HostFunction> m_functions;
    NoCaseMap<int32_t> m_functionSlots;
    ScriptTable m_scriptsByText;
    std::vector<int32_t> m_children;
};

} // namespace kwscript
