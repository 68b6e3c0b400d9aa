#include "KWDBAccess.h"

#include "KWCallbacks.h"

#include "core/KWModuleFolder.h"

#include <dlfcn.h>

#include <string>

namespace {

constexpr const char16_t* kRootPaths[kKWRootCount] = {
    u"\\DB_Proj",   u"\\DB_Dft",     u"\\DB_View",       u"\\DB_Read",   u"\\DB_Write",
    u"\\DB_APP",    u"\\DB_ProjGrp", u"\\DB_ProjGrpSet", u"\\DB_CurWS",  u"\\DB_Startup",
    u"\\DB_RscStr", u"\\DB_Menu",    u"\\DB_RscID",      u"\\DB_GuiDef", u"\\DB_Customize",
};

bool Named(const char16_t* name) { return name != nullptr && *name != 0; }

} // namespace

CKWDBAccess& CKWDBAccess::Instance() {
    static CKWDBAccess access;
    return access;
}

bool CKWDBAccess::LoadLibrary() {
    if (m_library != nullptr)
        return true;
    m_library = dlopen((ProgramFolder() + "/KWDBFile.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_library == nullptr)
        return false;
    Functions functions;
#define KWDB_FETCH(name, result, parameters)                                                                 \
    functions.name = reinterpret_cast<result(*) parameters>(dlsym(m_library, #name));
    KWDB_FUNCTIONS(KWDB_FETCH)
#undef KWDB_FETCH
    m_functions = functions;
    return true;
}

void CKWDBAccess::UseFunctions(const Functions& functions) {
    m_functions = functions;
    m_handle = -1;
}

const char16_t* CKWDBAccess::RootPath(KWRoot root) { return kRootPaths[int(root)]; }

bool CKWDBAccess::CreateDatabase(const char16_t* owner) {
    if (m_functions.CreateDB == nullptr)
        return false;
    m_owner = owner;
    m_handle = m_functions.CreateDB(u"KWV5");
    if (m_handle < 0)
        return false;
    if (m_functions.CreateDomainKey != nullptr)
        for (int i = 0; i < kKWRootCount; ++i)
            m_roots[i] = m_functions.CreateDomainKey(m_handle, kRootPaths[i], m_owner.c_str(), 0);
    return true;
}

void CKWDBAccess::FreeDatabase() {
    if (m_handle >= 0 && m_functions.FreeDB != nullptr)
        m_functions.FreeDB(m_handle);
    m_handle = -1;
    for (int32_t& root : m_roots)
        root = 0;
}

int32_t CKWDBAccess::GetKeyId(const char16_t* path, bool create) const {
    if (m_handle < 0 || !Named(path) || m_functions.GetKeyId == nullptr)
        return 0;
    return m_functions.GetKeyId(m_handle, path, create ? 1 : 0, m_owner.c_str());
}

int32_t CKWDBAccess::GetKeyIdByName(int32_t parent, const char16_t* name, bool create) const {
    if (!Usable(parent) || !Named(name) || m_functions.GetKeyIdByName == nullptr)
        return 0;
    return m_functions.GetKeyIdByName(parent, name, 0, create ? 1 : 0, m_owner.c_str());
}

int32_t CKWDBAccess::GetKeyIdByIndex(int32_t key, int32_t index) const {
    if (!Usable(key) || m_functions.GetKeyIdByIndex == nullptr)
        return 0;
    return m_functions.GetKeyIdByIndex(key, index);
}

int32_t CKWDBAccess::GetParentKeyId(int32_t key) const {
    if (!Usable(key) || m_functions.GetParentKeyId == nullptr)
        return 0;
    return m_functions.GetParentKeyId(key);
}

int32_t CKWDBAccess::GetKeyCount(int32_t key) const {
    if (!Usable(key) || m_functions.GetKeyCount == nullptr)
        return 0;
    return m_functions.GetKeyCount(key);
}

int32_t CKWDBAccess::GetKeyIndex(int32_t key) const {
    if (!Usable(key) || m_functions.GetKeyIndex == nullptr)
        return -1;
    return m_functions.GetKeyIndex(key);
}

std::vector<int32_t> CKWDBAccess::GetKeyIdList(int32_t key) const {
    if (!Usable(key) || m_functions.GetKeyIdList == nullptr)
        return {};
    std::vector<int32_t> ids(std::size_t(GetKeyCount(key)));
    ids.resize(std::size_t(m_functions.GetKeyIdList(key, ids.data(), int32_t(ids.size()))));
    return ids;
}

CKWStr CKWDBAccess::GetKeyName(int32_t key) const {
    CKWStr name;
    if (Usable(key) && m_functions.GetKeyName != nullptr)
        m_functions.GetKeyName(key, &name);
    return name;
}

CKWStr CKWDBAccess::GetFullKeyName(int32_t key) const {
    CKWStr path;
    if (Usable(key) && m_functions.GetFullKeyName != nullptr)
        m_functions.GetFullKeyName(key, &path);
    return path;
}

int32_t CKWDBAccess::AddKey(int32_t parent, const char16_t* name) const {
    if (!Usable(parent) || !Named(name) || m_functions.AddKey == nullptr)
        return 0;
    return m_functions.AddKey(m_handle, parent, name, m_owner.c_str());
}

int32_t CKWDBAccess::InsertKey(int32_t before, const char16_t* name) const {
    if (!Usable(before) || !Named(name) || m_functions.InsertKey == nullptr)
        return 0;
    return m_functions.InsertKey(m_handle, before, name, m_owner.c_str());
}

bool CKWDBAccess::ChangeKeyName(int32_t key, const char16_t* name) const {
    return Usable(key) && Named(name) && m_functions.ChangeKeyName != nullptr &&
           m_functions.ChangeKeyName(key, name, 0) != 0;
}

bool CKWDBAccess::ExchangeKey(int32_t key1, int32_t key2) const {
    return Usable(key1) && key2 != 0 && m_functions.ExchangeKey != nullptr &&
           m_functions.ExchangeKey(key1, key2, m_owner.c_str()) != 0;
}

bool CKWDBAccess::MoveKey(int32_t key, int32_t newParent, int32_t before) const {
    return Usable(key) && newParent != 0 && m_functions.MoveKey != nullptr &&
           m_functions.MoveKey(key, newParent, before, m_owner.c_str()) != 0;
}

int32_t CKWDBAccess::CopyKey(int32_t destinationParent, int32_t source) const {
    if (!Usable(destinationParent) || source == 0 || m_functions.CopyKey == nullptr)
        return 0;
    return m_functions.CopyKey(destinationParent, source, m_owner.c_str());
}

bool CKWDBAccess::DeleteKey(int32_t key) const {
    return Usable(key) && m_functions.DeleteKey != nullptr &&
           m_functions.DeleteKey(key, m_owner.c_str()) != 0;
}

bool CKWDBAccess::DeleteAllSubKey(int32_t key) const {
    return Usable(key) && m_functions.DeleteAllSubKey != nullptr &&
           m_functions.DeleteAllSubKey(key, m_owner.c_str()) != 0;
}

bool CKWDBAccess::GetModFlag(int32_t key) const {
    return Usable(key) && m_functions.GetModFlag != nullptr && m_functions.GetModFlag(key) != 0;
}

void CKWDBAccess::SetModFlag(int32_t key, bool modified) const {
    if (Usable(key) && m_functions.SetModFlag != nullptr)
        m_functions.SetModFlag(key, modified ? 1 : 0);
}

void CKWDBAccess::ModFlagMonitor(int32_t key, bool on) const {
    if (Usable(key) && m_functions.ModFlagMonitor != nullptr)
        m_functions.ModFlagMonitor(key, on ? 1 : 0);
}

CKWStr CKWDBAccess::GetStr(int32_t key, const char16_t* name) const {
    CKWStr text;
    if (Usable(key) && Named(name) && m_functions.GetStrValue != nullptr)
        m_functions.GetStrValue(key, -1, name, 0, m_owner.c_str(), &text);
    return text;
}

bool CKWDBAccess::HasValue(int32_t key, const char16_t* name) const {
    return Usable(key) && Named(name) && m_functions.GetStrValue != nullptr &&
           m_functions.GetStrValue(key, -1, name, 0, m_owner.c_str(), nullptr) != 0;
}

int32_t CKWDBAccess::GetInt(int32_t key, const char16_t* name, int32_t fallback) const {
    if (!Usable(key) || !Named(name) || m_functions.GetIntValue == nullptr)
        return fallback;
    return m_functions.GetIntValue(key, -1, name, fallback, 0, m_owner.c_str(), 0);
}

int32_t CKWDBAccess::GetValueCount(int32_t key) const {
    if (!Usable(key) || m_functions.GetValueCount == nullptr)
        return 0;
    return m_functions.GetValueCount(key);
}

int32_t CKWDBAccess::GetValueId(int32_t key, const char16_t* name) const {
    if (!Usable(key) || !Named(name) || m_functions.GetValueId == nullptr)
        return 0;
    return m_functions.GetValueId(key, name, 0);
}

int32_t CKWDBAccess::GetValueIdByIndex(int32_t key, int32_t index) const {
    if (!Usable(key) || m_functions.GetValueIdByIndex == nullptr)
        return 0;
    return m_functions.GetValueIdByIndex(key, index);
}

CKWStr CKWDBAccess::GetValueNameByIndex(int32_t key, int32_t index) const {
    CKWStr name;
    if (Usable(key) && m_functions.GetValueNameByIndex != nullptr)
        m_functions.GetValueNameByIndex(key, index, &name);
    return name;
}

CKWStr CKWDBAccess::GetStrByIndex(int32_t key, int32_t index) const {
    CKWStr text;
    if (Usable(key) && m_functions.GetStrValueByIndex != nullptr)
        m_functions.GetStrValueByIndex(key, index, &text);
    return text;
}

int32_t CKWDBAccess::SetValue(int32_t key, const char16_t* name, const char16_t* text) const {
    if (!Usable(key) || !Named(name) || m_functions.SetValue == nullptr)
        return 0;
    return m_functions.SetValue(key, name, 0, text != nullptr ? text : u"", m_owner.c_str());
}

int32_t CKWDBAccess::SetInt(int32_t key, const char16_t* name, int32_t value) const {
    return SetValue(key, name, CKWStr(value).c_str());
}

int32_t CKWDBAccess::AddValue(int32_t key, const char16_t* name, const char16_t* text) const {
    if (!Usable(key) || !Named(name) || m_functions.AddValue == nullptr)
        return 0;
    return m_functions.AddValue(key, name, text != nullptr ? text : u"", m_owner.c_str());
}

bool CKWDBAccess::DeleteValue(int32_t key, const char16_t* name) const {
    return Usable(key) && Named(name) && m_functions.DeleteValue != nullptr &&
           m_functions.DeleteValue(key, name) != 0;
}

bool CKWDBAccess::ChangeValueName(int32_t key, const char16_t* oldName, const char16_t* newName) const {
    return Usable(key) && Named(oldName) && Named(newName) && m_functions.ChangeValueName != nullptr &&
           m_functions.ChangeValueName(key, oldName, newName) != 0;
}

bool CKWDBAccess::LoadXMLFile(int32_t key, const char16_t* path) const {
    return Usable(key) && Named(path) && m_functions.LoadXMLFile != nullptr &&
           m_functions.LoadXMLFile(key, path) != 0;
}

bool CKWDBAccess::SaveXMLFile(int32_t key, const char16_t* path) const {
    return Usable(key) && Named(path) && m_functions.SaveXMLFile != nullptr &&
           m_functions.SaveXMLFile(key, path) != 0;
}

CKWStr CKWDBAccess::Serialize(int32_t key) const {
    CKWStr image;
    if (Usable(key) && m_functions.Serialize != nullptr)
        m_functions.Serialize(key, &image);
    return image;
}

bool CKWDBAccess::Unserialize(int32_t key, const char16_t* image) const {
    return Usable(key) && Named(image) && m_functions.Unserialize != nullptr &&
           m_functions.Unserialize(key, image) != 0;
}

bool CKWDBAccess::SetCallbackFunc(const char16_t* name, void* function) const {
    return Named(name) && m_functions.SetCallbackFunc != nullptr &&
           m_functions.SetCallbackFunc(name, function) != 0;
}

void* CKWDBAccess::GetCallbackFunc(const char16_t* name) const {
    return Named(name) && m_functions.GetCallbackFunc != nullptr ? m_functions.GetCallbackFunc(name)
                                                                 : nullptr;
}

int32_t CKWDBAccess::ProjectTop(const char16_t* callback, int32_t projectId) const {
    const auto top = reinterpret_cast<KWGetCurrentDBTopProc>(GetCallbackFunc(callback));
    return top != nullptr ? top(projectId) : 0;
}
