// The components open on the bus, in opening order, and the library each came from.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class CKWSock;

namespace kwlink {

struct Component {
    CKWSock* object = nullptr;
    std::u16string name;
    int32_t library = 0; // the component library whose attach opened it; 0 for none
};

class ComponentTable {
public:
    // Opens object under name and answers its new id; an object already open keeps its id.
    int32_t Open(CKWSock* object, std::u16string name, int32_t library);
    // Forgets the component; answers false when it was not open.
    bool Close(int32_t id);

    const Component* Find(int32_t id) const;
    int32_t IdOf(const CKWSock* object) const; // 0 when not open
    // Ids of the open components, in opening order; of one library when library is not 0.
    std::vector<int32_t> Ids(int32_t library = 0) const;

private:
    int32_t m_lastId = 0; // ids only grow, so a stale id never finds another component
    std::map<int32_t, Component> m_open;
    std::unordered_map<const CKWSock*, int32_t> m_byObject;
};

} // namespace kwlink
