// Component libraries added to the bus: loading, the two entry points, and unloading.
//
// A component library exports, with C linkage, int32_t KWComponentAttach(void), which creates and
// attaches its components (a negative answer refuses the load), and optionally
// void KWComponentDetach(void), called before the library is unloaded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kwlink {

struct ComponentLibrary {
    int32_t id = 0;
    std::string path; // canonical
    void* handle = nullptr;
    int32_t (*attach)() = nullptr;
    void (*detach)() = nullptr;
};

class LibraryLoader {
public:
    ~LibraryLoader();

    // The canonical path of fileName, taken relative to the program folder unless absolute;
    // empty when there is no such file.
    static std::string Resolve(const std::string& fileName);

    // Loads the library at a resolved path; on failure answers nothing and says why in error.
    std::optional<ComponentLibrary> Load(const std::string& path, std::string& error);
    const ComponentLibrary* FindByPath(const std::string& path) const;
    // Forgets the library; its code stays mapped until CloseUnloaded, which the bus calls when no
    // request is under way, because the library's own handler may be what asked for its removal.
    void Unload(int32_t id);
    void CloseUnloaded();
    bool HasUnloaded() const { return !m_toClose.empty(); }
    // Ids of the loaded libraries, in load order.
    std::vector<int32_t> Ids() const;
    const ComponentLibrary* Find(int32_t id) const;

private:
    int32_t m_lastId = 0;
    std::vector<ComponentLibrary> m_loaded;
    std::vector<void*> m_toClose;
};

} // namespace kwlink
