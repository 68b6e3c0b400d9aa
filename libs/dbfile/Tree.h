// The tree itself: databases, keys and values, their ids, the name index of large parents and the
// modification flags. Not locked: the exported functions hold the library's lock around every call.
#pragma once

#include "core/KWNoCase.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kwdb {

struct Value {
    int32_t id = 0;
    std::u16string name;
    std::u16string text;
};

struct Database;

struct Key {
    int32_t id = 0; // 0 for the hidden top of a database and for keys not yet attached
    Key* parent = nullptr;
    Database* database = nullptr;
    std::u16string name;
    std::vector<std::unique_ptr<Key>> children;
    std::vector<Value> values;
    // The first child of each name, kept once a key has many children so look-ups do not scan them.
    std::unique_ptr<std::unordered_map<std::u16string_view, Key*, NoCaseHash, NoCaseEqual>> childIndex;
    std::size_t position = 0;    // among the siblings, unless the parent's positions are stale
    bool positionsStale = false; // of the children
    bool modified = false;
    bool monitorOff = false;

    const Value* FindValue(std::u16string_view valueName) const;
    Value* FindValue(std::u16string_view valueName);
};

struct Database {
    std::u16string name;
    int32_t handle = -1;
    int references = 0;
    Key top; // its children are the roots
};

class Tree {
public:
    ~Tree();

    int32_t CreateDatabase(std::u16string_view name);
    bool DatabaseExists(std::u16string_view name) const;
    void FreeDatabase(int32_t handle);
    void FreeAll();
    Database* FindDatabase(int32_t handle) const;

    Key* FindKey(int32_t id) const;
    static Key* FindChild(Key& parent, std::u16string_view name);
    // The key at path "\Root\Name\..." (empty segments are skipped), creating what is missing when
    // asked; null when the path does not start with "\" or a key is missing.
    Key* FindPath(Database& database, std::u16string_view path, bool create);
    static std::size_t PositionOf(Key& key);

    // Makes a new key and places it under parent at position (past the end: appended).
    Key* AddKey(Key& parent, std::u16string_view name, std::size_t position);
    // Places a detached subtree under parent, giving its keys and values fresh ids.
    Key* Attach(Key& parent, std::unique_ptr<Key> subtree, std::size_t position);
    std::unique_ptr<Key> Detach(Key& key);
    void Delete(Key& key);
    void DeleteChildren(Key& key);
    void Rename(Key& key, std::u16string_view name);
    bool Exchange(Key& a, Key& b);
    bool Move(Key& key, Key& parent, std::size_t position);
    // A detached deep copy of key, without ids.
    static std::unique_ptr<Key> Copy(const Key& key);

    int32_t AddValue(Key& key, std::u16string_view name, std::u16string_view text);
    int32_t SetValue(Key& key, std::u16string_view name, std::u16string_view text);
    bool DeleteValue(Key& key, std::u16string_view name);
    bool RenameValue(Key& key, std::u16string_view oldName, std::u16string_view newName);

    // A change to key's own sub-keys or values: flags it and every key above it, unless monitoring
    // is off at or above it.
    void Changed(Key& key);
    static void SetFlag(Key& key, bool modified);
    void SetMonitor(Key& key, bool on);

private:
    void Register(Key& key); // ids for key and everything below it
    static void Place(Key& parent, std::unique_ptr<Key> child, std::size_t position);
    int32_t NextValueId();
    int32_t NextKeyId();
    void Unregister(Key& key);
    static void DropIndex(Key& parent) { parent.childIndex.reset(); }

    std::vector<std::unique_ptr<Database>> m_databases;
    std::unordered_map<int32_t, Key*> m_keys;
    uint32_t m_keyIds = 0;
    uint32_t m_valueIds = 0;
    int m_keysWithMonitorOff = 0;
};

} // namespace kwdb
