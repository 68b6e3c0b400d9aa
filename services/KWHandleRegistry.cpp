#include "KWHandleRegistry.h"

CKWHandleRegistry& CKWHandleRegistry::Instance() {
    static CKWHandleRegistry registry;
    return registry;
}

int32_t CKWHandleRegistry::Register(QObject* object) {
    if (object == nullptr)
        return 0;
    for (const auto& [handle, known] : m_objects)
        if (known == object)
            return handle;
    m_objects[++m_last] = object;
    return m_last;
}

QObject* CKWHandleRegistry::Find(int32_t handle) const {
    const auto it = m_objects.find(handle);
    return it == m_objects.end() ? nullptr : it->second.data();
}

int32_t CKWHandleRegistry::Role(KWHandleRole role) const {
    const auto it = m_roles.find(role);
    return it != m_roles.end() && Find(it->second) != nullptr ? it->second : 0;
}

void CKWHandleRegistry::SetRole(KWHandleRole role, QObject* object) {
    if (object == nullptr)
        m_roles.erase(role);
    else
        m_roles[role] = Register(object);
}
