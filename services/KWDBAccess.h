// The host's access to the tree database: the library's functions fetched by name, the handle of the
// database "KWV5", its 15 roots and the owner text that changes carry.
//
// Every wrapper first checks that there is a database, that key ids are not 0 and that names are
// present and not empty, and answers 0, false or the empty text otherwise without calling the library.
// A function the library does not export stays absent and its wrapper does nothing.
#pragma once

#include "core/KWStr.h"
#include "libs/dbfile/KWDBFileFunctions.h"

#include <cstdint>
#include <vector>

enum class KWRoot {
    Proj,
    Dft,
    View,
    Read,
    Write,
    App,
    ProjGrp,
    ProjGrpSet,
    CurWS,
    Startup,
    RscStr,
    Menu,
    RscID,
    GuiDef,
    Customize
};
constexpr int kKWRootCount = 15;

class CKWDBAccess {
public:
    struct Functions {
#define KWDB_FUNCTION_POINTER(name, result, parameters) result(*name) parameters = nullptr;
        KWDB_FUNCTIONS(KWDB_FUNCTION_POINTER)
#undef KWDB_FUNCTION_POINTER
    };

    // The one accessor of the process.
    static CKWDBAccess& Instance();

    // Loads KWDBFile.so from the program folder (once) and fetches its functions.
    bool LoadLibrary();
    // Uses the given functions instead of the library's (tests count and fake calls this way).
    void UseFunctions(const Functions& functions);
    // Creates or opens the database "KWV5" and its roots in their fixed order, and remembers them.
    bool CreateDatabase(const char16_t* owner);
    void FreeDatabase();
    bool HasDatabase() const { return m_handle >= 0; }
    int32_t Handle() const { return m_handle; }
    const CKWStr& Owner() const { return m_owner; }
    int32_t Root(KWRoot root) const { return m_roots[int(root)]; }
    static const char16_t* RootPath(KWRoot root);

    // Keys.
    int32_t GetKeyId(const char16_t* path, bool create = false) const;
    int32_t GetKeyIdByName(int32_t parent, const char16_t* name, bool create = false) const;
    int32_t GetKeyIdByIndex(int32_t key, int32_t index) const;
    int32_t GetParentKeyId(int32_t key) const;
    int32_t GetKeyCount(int32_t key) const;
    int32_t GetKeyIndex(int32_t key) const; // -1 when there is no such key
    std::vector<int32_t> GetKeyIdList(int32_t key) const;
    CKWStr GetKeyName(int32_t key) const;
    CKWStr GetFullKeyName(int32_t key) const;
    int32_t AddKey(int32_t parent, const char16_t* name) const;
    int32_t InsertKey(int32_t before, const char16_t* name) const;
    bool ChangeKeyName(int32_t key, const char16_t* name) const;
    bool ExchangeKey(int32_t key1, int32_t key2) const;
    bool MoveKey(int32_t key, int32_t newParent, int32_t before = 0) const;
    int32_t CopyKey(int32_t destinationParent, int32_t source) const;
    bool DeleteKey(int32_t key) const;
    bool DeleteAllSubKey(int32_t key) const;
    bool GetModFlag(int32_t key) const;
    void SetModFlag(int32_t key, bool modified) const;
    void ModFlagMonitor(int32_t key, bool on) const;

    // Values. Reads of a missing value give the empty text or the fallback.
    CKWStr GetStr(int32_t key, const char16_t* name) const;
    // A value of \DB_APP, the application's values.
    CKWStr GetAppStr(const char16_t* name) const { return GetStr(Root(KWRoot::App), name); }
    bool HasValue(int32_t key, const char16_t* name) const;
    int32_t GetInt(int32_t key, const char16_t* name, int32_t fallback) const;
    int32_t GetValueCount(int32_t key) const;
    int32_t GetValueId(int32_t key, const char16_t* name) const;
    int32_t GetValueIdByIndex(int32_t key, int32_t index) const;
    CKWStr GetValueNameByIndex(int32_t key, int32_t index) const;
    CKWStr GetStrByIndex(int32_t key, int32_t index) const;
    int32_t SetValue(int32_t key, const char16_t* name, const char16_t* text) const;
    int32_t SetInt(int32_t key, const char16_t* name, int32_t value) const;
    int32_t AddValue(int32_t key, const char16_t* name, const char16_t* text) const;
    bool DeleteValue(int32_t key, const char16_t* name) const;
    bool ChangeValueName(int32_t key, const char16_t* oldName, const char16_t* newName) const;

    // Files and memory images of a key and everything below it.
    bool LoadXMLFile(int32_t key, const char16_t* path) const;
    bool SaveXMLFile(int32_t key, const char16_t* path) const;
    CKWStr Serialize(int32_t key) const;
    bool Unserialize(int32_t key, const char16_t* image) const;

    // The key a project-top callback ("GetCurrentDBProjTop", "GetCurrentDBDftTop", ...) answers for
    // the project; 0 when the callback is not registered or the project does not exist.
    int32_t ProjectTop(const char16_t* callback, int32_t projectId) const;

    // The process-wide registry of functions offered by name.
    bool SetCallbackFunc(const char16_t* name, void* function) const;
    void* GetCallbackFunc(const char16_t* name) const;

private:
    bool Usable(int32_t key) const { return m_handle >= 0 && key != 0; }

    Functions m_functions;
    void* m_library = nullptr;
    int32_t m_handle = -1;
    CKWStr m_owner;
    int32_t m_roots[kKWRootCount] = {};
};
