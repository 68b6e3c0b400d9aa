#include "ComponentTable.h"

namespace kwlink {

int32_t ComponentTable::Open(CKWSock* object, std::u16string name, int32_t library) {
    if (const int32_t id = IdOf(object); id != 0)
        return id;
    const int32_t id = ++m_lastId;
    m_open[id] = Component{object, std::move(name), library};
    m_byObject[object] = id;
    return id;
}

bool ComponentTable::Close(int32_t id) {
    const auto it = m_open.find(id);
    if (it == m_open.end())
        return false;
    m_byObject.erase(it->second.object);
    m_open.erase(it);
    return true;
}

const Component* ComponentTable::Find(int32_t id) const {
    const auto it = m_open.find(id);
    return it == m_open.end() ? nullptr : &it->second;
}

int32_t ComponentTable::IdOf(const CKWSock* object) const {
    const auto it = m_byObject.find(object);
    return it == m_byObject.end() ? 0 : it->second;
}

std::vector<int32_t> ComponentTable::Ids(int32_t library) const {
    std::vector<int32_t> ids;
    for (const auto& [id, component] : m_open)
        if (library == 0 || component.library == library)
            ids.push_back(id);
    return ids;
}

} // namespace kwlink
