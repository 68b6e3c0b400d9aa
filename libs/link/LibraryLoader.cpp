#include "LibraryLoader.h"

#include "core/KWModuleFolder.h"

#include <dlfcn.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace kwlink {

LibraryLoader::~LibraryLoader() {
    // The bus is going away with its library: what is still loaded is released with it.
    for (auto it = m_loaded.rbegin(); it != m_loaded.rend(); ++it)
        m_toClose.push_back(it->handle);
    CloseUnloaded();
}

std::string LibraryLoader::Resolve(const std::string& fileName) {
    if (fileName.empty())
        return {};
    const std::string path = fileName.front() == '/' ? fileName : ProgramFolder() + "/" + fileName;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

std::optional<ComponentLibrary> LibraryLoader::Load(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        error = why != nullptr ? why : "the library cannot be loaded";
        return std::nullopt;
    }
    ComponentLibrary library;
    library.attach = reinterpret_cast<int32_t (*)()>(dlsym(handle, "KWComponentAttach"));
    if (library.attach == nullptr) {
        dlclose(handle);
        error = "the library has no KWComponentAttach";
        return std::nullopt;
    }
    library.detach = reinterpret_cast<void (*)()>(dlsym(handle, "KWComponentDetach"));
    library.id = ++m_lastId;
    library.path = path;
    library.handle = handle;
    m_loaded.push_back(library);
    return library;
}

const ComponentLibrary* LibraryLoader::FindByPath(const std::string& path) const {
    const auto it =
        std::find_if(m_loaded.begin(), m_loaded.end(), [&](const auto& l) { return l.path == path; });
    return it == m_loaded.end() ? nullptr : &*it;
}

const ComponentLibrary* LibraryLoader::Find(int32_t id) const {
    const auto it = std::find_if(m_loaded.begin(), m_loaded.end(), [&](const auto& l) { return l.id == id; });
    return it == m_loaded.end() ? nullptr : &*it;
}

void LibraryLoader::Unload(int32_t id) {
    const auto it = std::find_if(m_loaded.begin(), m_loaded.end(), [&](const auto& l) { return l.id == id; });
    if (it == m_loaded.end())
        return;
    m_toClose.push_back(it->handle);
    m_loaded.erase(it);
}

void LibraryLoader::CloseUnloaded() {
    std::vector<void*> handles;
    handles.swap(m_toClose);
    for (void* handle : handles)
        dlclose(handle);
}

std::vector<int32_t> LibraryLoader::Ids() const {
    std::vector<int32_t> ids;
    for (const auto& library : m_loaded)
        ids.push_back(library.id);
    return ids;
}

} // namespace kwlink
