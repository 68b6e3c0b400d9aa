#include "Scope.h"

#include "core/KWStr.h"

namespace kwscript {

namespace {

// Finds the slot of name in a table, adding an entry made by make when there is none.
template <typename Entries, typename Make>
int32_t Intern(NoCaseMap<int32_t>& slots, Entries& entries, std::u16string_view name, Make make) {
    if (const auto it = slots.find(name); it != slots.end())
        return it->second;
    const auto slot = int32_t(entries.size());
    entries.push_back(make());
    slots.emplace(std::u16string(name), slot);
    return slot;
}

} // namespace

Scope::Scope(int32_t handle, std::u16string name, std::shared_ptr<Scope> parent, intptr_t argument)
    : m_handle(handle), m_name(std::move(name)), m_parent(std::move(parent)), m_argument(argument),
      m_depth(m_parent ? m_parent->Depth() + 1 : 1) {}

int32_t Scope::VariableSlot(std::u16string_view name) {
    return Intern(m_variableSlots, m_variables, name, [&] {
        return VariableEntry{std::u16string(name), {}};
    });
}

const TextRef* Scope::Find(int32_t slot) const {
    const VariableEntry& entry = m_variables[std::size_t(slot)];
    if (entry.text)
        return &entry.text;
    return m_parent ? m_parent->Find(entry.name) : nullptr;
}

const TextRef* Scope::Find(std::u16string_view name) const { return const_cast<Scope*>(this)->Holder(name); }

TextRef* Scope::Holder(std::u16string_view name) {
    for (Scope* scope = this; scope != nullptr; scope = scope->m_parent.get()) {
        const auto it = scope->m_variableSlots.find(name);
        if (it != scope->m_variableSlots.end() && scope->m_variables[std::size_t(it->second)].text)
            return &scope->m_variables[std::size_t(it->second)].text;
    }
    return nullptr;
}

void Scope::ClearVariables(bool keepBackup) {
    if (keepBackup) {
        m_backup.clear();
        for (const VariableEntry& entry : m_variables)
            m_backup.push_back(entry.text);
        m_hasBackup = true;
    }
    for (VariableEntry& entry : m_variables)
        entry.text = TextRef();
}

bool Scope::RestoreVariables() {
    if (!m_hasBackup)
        return false;
    // Slots made since the backup was taken had no variable then.
    for (std::size_t i = 0; i < m_variables.size(); ++i)
        m_variables[i].text = i < m_backup.size() ? std::move(m_backup[i]) : TextRef();
    return DeleteBackup();
}

bool Scope::DeleteBackup() {
    const bool had = m_hasBackup;
    m_backup.clear();
    m_hasBackup = false;
    return had;
}

int32_t Scope::FunctionSlot(std::u16string_view name) {
    return Intern(m_functionSlots, m_functions, name, [&] { return HostFunction{std::u16string(name)}; });
}

void Scope::SetFunction(std::u16string_view name, KWScriptFunction function, void* object) {
    HostFunction& entry = m_functions[std::size_t(FunctionSlot(name))];
    entry = HostFunction{std::u16string(name), function, object, -1};
}

bool Scope::SetAlias(std::u16string_view alias, std::u16string_view name) {
    const int32_t aliasSlot = FunctionSlot(alias);
    const int32_t target = FunctionSlot(name);
    for (int32_t slot = target; slot >= 0; slot = m_functions[std::size_t(slot)].aliasOf)
        if (slot == aliasSlot)
            return false;
    m_functions[std::size_t(aliasSlot)] = HostFunction{std::u16string(alias), nullptr, nullptr, target};
    return true;
}

const HostFunction* Scope::FindFunction(int32_t slot, std::u16string_view spelling) const {
    const HostFunction* entry = &m_functions[std::size_t(slot)];
    if (m_caseSensitive && (entry->function != nullptr || entry->aliasOf >= 0) && entry->name != spelling)
        return m_parent ? m_parent->FindFunction(spelling) : nullptr;
    // Aliases never form a cycle (SetAlias refuses one), so this ends.
    while (entry->function == nullptr && entry->aliasOf >= 0)
        entry = &m_functions[std::size_t(entry->aliasOf)];
    if (entry->function != nullptr)
        return entry;
    return m_parent ? m_parent->FindFunction(entry->name) : nullptr;
}

const HostFunction* Scope::FindFunction(std::u16string_view name) const {
    const auto it = m_functionSlots.find(name);
    if (it == m_functionSlots.end())
        return m_parent ? m_parent->FindFunction(name) : nullptr;
    return FindFunction(it->second, name);
}

std::u16string Scope::Describe() const {
    CKWStr text;
    text.Format(u"scope %d \"%ls\" parent %d argument 0x%llx\n", m_handle, m_name.c_str(),
                m_parent ? m_parent->Handle() : -1, static_cast<unsigned long long>(m_argument));
    for (const VariableEntry& entry : m_variables)
        if (entry.text)
            text.AppendFormat(u"$%ls = %ls\n", entry.name.c_str(), entry.text->Text().c_str());
    for (const HostFunction& entry : m_functions) {
        if (entry.function != nullptr)
            text.AppendFormat(u"function $%ls\n", entry.name.c_str());
        else if (entry.aliasOf >= 0)
            text.AppendFormat(u"alias $%ls = $%ls\n", entry.name.c_str(),
                              m_functions[std::size_t(entry.aliasOf)].name.c_str());
    }
    text.AppendFormat(u"scripts %d\n", int(m_scriptsByText.size()));
    return text.Text();
}

} // namespace kwscript
