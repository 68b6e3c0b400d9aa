// The functions of the tree database library, in the order they are fetched by name: one list for the
// library's declarations and for every table of function pointers that a caller keeps.
#pragma once

#include <cstdint>

class CKWStr;

// X(name, result type, parameter list), in the order the host fetches them.
#define KWDB_FUNCTIONS(X)                                                                                    \
    X(CreateDB, int32_t, (const char16_t* name))                                                             \
    X(FreeDB, void, (int32_t db))                                                                            \
    X(TerminateAllDB, void, ())                                                                              \
    X(DBExists, int32_t, (const char16_t* name))                                                             \
    X(AddKey, int32_t, (int32_t db, int32_t parent, const char16_t* name, const char16_t* owner))            \
    X(InsertKey, int32_t, (int32_t db, int32_t before, const char16_t* name, const char16_t* owner))         \
    X(ExchangeKey, int32_t, (int32_t key1, int32_t key2, const char16_t* owner))                             \
    X(MoveKey, int32_t, (int32_t key, int32_t newParent, int32_t before, const char16_t* owner))             \
    X(ChangeKeyName, int32_t, (int32_t key, const char16_t* name, int32_t flag))                             \
    X(CreateDomainKey, int32_t, (int32_t db, const char16_t* rootPath, const char16_t* owner, int32_t flag)) \
    X(GetKeyCount, int32_t, (int32_t key))                                                                   \
    X(GetKeyIndex, int32_t, (int32_t key))                                                                   \
    X(GetKeyId, int32_t, (int32_t db, const char16_t* path, int32_t create, const char16_t* owner))          \
    X(GetParentKeyId, int32_t, (int32_t key))                                                                \
    X(GetKeyIdByValueData, int32_t,                                                                          \
      (int32_t parent, const char16_t* valueName, const char16_t* text, int32_t flag))                       \
    X(GetKeyIdList, int32_t, (int32_t key, int32_t * ids, int32_t capacity))                                 \
    X(GetKeyIdListByName, int32_t, (int32_t key, const char16_t* name, int32_t* ids, int32_t capacity))      \
    X(GetKeyIdListByValueData, int32_t,                                                                      \
      (int32_t key, const char16_t* valueName, const char16_t* text, int32_t* ids, int32_t capacity))        \
    X(GetKeyIdByName, int32_t,                                                                               \
      (int32_t parent, const char16_t* name, int32_t flag, int32_t create, const char16_t* owner))           \
    X(GetKeyIdByIndex, int32_t, (int32_t key, int32_t index))                                                \
    X(GetKeyName, int32_t, (int32_t key, CKWStr * name))                                                     \
    X(GetFullKeyName, int32_t, (int32_t key, CKWStr * path))                                                 \
    X(GetKeyNameByIndex, int32_t, (int32_t key, int32_t index, CKWStr * name))                               \
    X(GetModFlag, int32_t, (int32_t key))                                                                    \
    X(SetModFlag, void, (int32_t key, int32_t flag))                                                         \
    X(DeleteKey, int32_t, (int32_t key, const char16_t* owner))                                              \
    X(DeleteAllSubKey, int32_t, (int32_t key, const char16_t* owner))                                        \
    X(CopyKey, int32_t, (int32_t destinationParent, int32_t source, const char16_t* owner))                  \
    X(AddValue, int32_t, (int32_t key, const char16_t* name, const char16_t* text, const char16_t* owner))   \
    X(SetValue, int32_t,                                                                                     \
      (int32_t key, const char16_t* name, int32_t flag, const char16_t* text, const char16_t* owner))        \
    X(DeleteValue, int32_t, (int32_t key, const char16_t* name))                                             \
    X(ChangeValueName, int32_t, (int32_t key, const char16_t* oldName, const char16_t* newName))             \
    X(GetValueId, int32_t, (int32_t key, const char16_t* name, int32_t flag))                                \
    X(GetValueIdByIndex, int32_t, (int32_t key, int32_t index))                                              \
    X(GetValueCount, int32_t, (int32_t key))                                                                 \
    X(GetValueIdList, int32_t, (int32_t key, int32_t * ids, int32_t capacity))                               \
    X(GetValueIdListByValueData, int32_t,                                                                    \
      (int32_t key, const char16_t* text, int32_t* ids, int32_t capacity))                                   \
    X(GetValueName, int32_t, (int32_t key, int32_t index, CKWStr * name))                                    \
    X(GetValueNameByIndex, int32_t, (int32_t key, int32_t index, CKWStr * name))                             \
    X(GetStrValue, int32_t,                                                                                  \
      (int32_t key, int32_t index, const char16_t* name, int32_t flag, const char16_t* owner, CKWStr* text)) \
    X(GetStrValueByIndex, int32_t, (int32_t key, int32_t index, CKWStr * text))                              \
    X(GetIntValue, int32_t,                                                                                  \
      (int32_t key, int32_t index, const char16_t* name, int32_t fallback, int32_t flag,                     \
       const char16_t* owner, int32_t reserved))                                                             \
    X(GetIntValueByIndex, int32_t, (int32_t key, int32_t index, int32_t fallback))                           \
    X(LoadXMLFile, int32_t, (int32_t key, const char16_t* path))                                             \
    X(SaveXMLFile, int32_t, (int32_t key, const char16_t* path))                                             \
    X(ModFlagMonitor, void, (int32_t key, int32_t flag))                                                     \
    X(SetCallbackFunc, int32_t, (const char16_t* name, void* function))                                      \
    X(GetCallbackFunc, void*, (const char16_t* name))                                                        \
    X(Serialize, int32_t, (int32_t key, CKWStr * image))                                                     \
    X(Unserialize, int32_t, (int32_t key, const char16_t* image))
