// The exported functions of the tree database: each takes the library's lock, finds its keys and
// works on the tree. Texts are copied in and out, so no caller holds a pointer into the tree.
#include "KWDBFile.h"

#include "FileAccess.h"
#include "Tree.h"
#include "XmlFormat.h"

#include "core/KWNoCase.h"
#include "core/KWStr.h"
#include "core/KWText.h"

#include <limits>
#include <mutex>

#define KWDB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace kwdb;

constexpr std::size_t kAppend = std::numeric_limits<std::size_t>::max();

std::mutex g_lock;
Tree g_tree;
NoCaseMap<void*> g_callbacks;

std::u16string_view Text(const char16_t* text) { return text != nullptr ? text : u""; }

Key* FindKey(int32_t id) { return id != 0 ? g_tree.FindKey(id) : nullptr; }

void Put(CKWStr* out, std::u16string_view text) {
    if (out != nullptr)
        *out = text;
}

// Writes the ids into the caller's array (as many as fit) and answers how many there are.
template <typename Ids>
int32_t FillIds(const Ids& ids, int32_t* out, int32_t capacity) {
    for (std::size_t i = 0; out != nullptr && i < ids.size() && i < std::size_t(capacity > 0 ? capacity : 0);
         ++i)
        out[i] = ids[i];
    return int32_t(ids.size());
}

const Value* ValueAt(const Key& key, int32_t index) {
    return index >= 0 && std::size_t(index) < key.values.size() ? &key.values[std::size_t(index)] : nullptr;
}

const Value* ValueOf(const Key& key, int32_t index, const char16_t* name) {
    return index >= 0 ? ValueAt(key, index) : key.FindValue(Text(name));
}

// A value text read as an integer: "0x" hexadecimal or decimal, with an optional sign, as far as it is
// a number; fallback when it does not begin with one.
int32_t IntegerOf(const Value* value, int32_t fallback) {
    if (value == nullptr)
        return fallback;
    const char16_t* text = value->text.c_str();
    const char16_t* end = nullptr;
    const char16_t* digits = text + (*text == u'-' || *text == u'+');
    const int radix = digits[0] == u'0' && (digits[1] == u'x' || digits[1] == u'X') ? 16 : 10;
    const int32_t number = ParseLong(text, radix, &end);
    return end == text ? fallback : number;
}

} // namespace

KWDB_EXPORT int32_t CreateDB(const char16_t* name) {
    std::lock_guard lock(g_lock);
    return g_tree.CreateDatabase(Text(name));
}

KWDB_EXPORT void FreeDB(int32_t db) {
    std::lock_guard lock(g_lock);
    g_tree.FreeDatabase(db);
}

KWDB_EXPORT void TerminateAllDB() {
    std::lock_guard lock(g_lock);
    g_tree.FreeAll();
}

KWDB_EXPORT int32_t DBExists(const char16_t* name) {
    std::lock_guard lock(g_lock);
    return g_tree.DatabaseExists(Text(name)) ? 1 : 0;
}

// Parent 0 adds a root to the database.
KWDB_EXPORT int32_t AddKey(int32_t db, int32_t parent, const char16_t* name, const char16_t*) {
    std::lock_guard lock(g_lock);
    Database* database = parent == 0 ? g_tree.FindDatabase(db) : nullptr;
    Key* key = database != nullptr ? &database->top : FindKey(parent);
    return key != nullptr ? g_tree.AddKey(*key, Text(name), kAppend)->id : 0;
}

KWDB_EXPORT int32_t InsertKey(int32_t, int32_t before, const char16_t* name, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* key = FindKey(before);
    return key != nullptr ? g_tree.AddKey(*key->parent, Text(name), Tree::PositionOf(*key))->id : 0;
}

KWDB_EXPORT int32_t ExchangeKey(int32_t key1, int32_t key2, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key *a = FindKey(key1), *b = FindKey(key2);
    return a != nullptr && b != nullptr && g_tree.Exchange(*a, *b) ? 1 : 0;
}

KWDB_EXPORT int32_t MoveKey(int32_t key, int32_t newParent, int32_t before, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key *moved = FindKey(key), *parent = FindKey(newParent), *next = FindKey(before);
    if (moved == nullptr || parent == nullptr || (before != 0 && (next == nullptr || next->parent != parent)))
        return 0;
    if (next == moved)
        return 1;
    std::size_t position = next != nullptr ? Tree::PositionOf(*next) : kAppend;
    if (next != nullptr && moved->parent == parent && Tree::PositionOf(*moved) < position)
        --position; // the key leaves its place before next first
    return g_tree.Move(*moved, *parent, position) ? 1 : 0;
}

KWDB_EXPORT int32_t ChangeKeyName(int32_t key, const char16_t* name, int32_t) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    g_tree.Rename(*found, Text(name));
    return 1;
}

KWDB_EXPORT int32_t CreateDomainKey(int32_t db, const char16_t* rootPath, const char16_t*, int32_t) {
    std::lock_guard lock(g_lock);
    Database* database = g_tree.FindDatabase(db);
    std::u16string_view name = Text(rootPath);
    while (!name.empty() && name.front() == u'\\')
        name.remove_prefix(1);
    if (database == nullptr || name.empty() || name.find(u'\\') != std::u16string_view::npos)
        return 0;
    Key* root = Tree::FindChild(database->top, name);
    return (root != nullptr ? root : g_tree.AddKey(database->top, name, kAppend))->id;
}

KWDB_EXPORT int32_t GetKeyCount(int32_t key) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    return found != nullptr ? int32_t(found->children.size()) : 0;
}

KWDB_EXPORT int32_t GetKeyIndex(int32_t key) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    return found != nullptr ? int32_t(Tree::PositionOf(*found)) : -1;
}

KWDB_EXPORT int32_t GetKeyId(int32_t db, const char16_t* path, int32_t create, const char16_t*) {
    std::lock_guard lock(g_lock);
    Database* database = g_tree.FindDatabase(db);
    Key* key = database != nullptr ? g_tree.FindPath(*database, Text(path), create != 0) : nullptr;
    return key != nullptr ? key->id : 0;
}

KWDB_EXPORT int32_t GetParentKeyId(int32_t key) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    return found != nullptr && found->parent != nullptr ? found->parent->id : 0;
}

KWDB_EXPORT int32_t GetKeyIdByValueData(int32_t parent, const char16_t* valueName, const char16_t* text,
                                        int32_t) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(parent);
    if (found == nullptr)
        return 0;
    for (const auto& child : found->children) {
        const Value* value = child->FindValue(Text(valueName));
        if (value != nullptr && value->text == Text(text))
            return child->id;
    }
    return 0;
}

KWDB_EXPORT int32_t GetKeyIdList(int32_t key, int32_t* ids, int32_t capacity) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<int32_t> list;
    list.reserve(found->children.size());
    for (const auto& child : found->children)
        list.push_back(child->id);
    return FillIds(list, ids, capacity);
}

KWDB_EXPORT int32_t GetKeyIdListByName(int32_t key, const char16_t* name, int32_t* ids, int32_t capacity) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<int32_t> list;
    for (const auto& child : found->children)
        if (NoCaseEqual()(child->name, Text(name)))
            list.push_back(child->id);
    return FillIds(list, ids, capacity);
}

KWDB_EXPORT int32_t GetKeyIdListByValueData(int32_t key, const char16_t* valueName, const char16_t* text,
                                            int32_t* ids, int32_t capacity) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<int32_t> list;
    for (const auto& child : found->children) {
        const Value* value = child->FindValue(Text(valueName));
        if (value != nullptr && value->text == Text(text))
            list.push_back(child->id);
    }
    return FillIds(list, ids, capacity);
}

KWDB_EXPORT int32_t GetKeyIdByName(int32_t parent, const char16_t* name, int32_t, int32_t create,
                                   const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(parent);
    if (found == nullptr)
        return 0;
    Key* child = Tree::FindChild(*found, Text(name));
    if (child == nullptr && create != 0)
        child = g_tree.AddKey(*found, Text(name), kAppend);
    return child != nullptr ? child->id : 0;
}

KWDB_EXPORT int32_t GetKeyIdByIndex(int32_t key, int32_t index) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr || index < 0 || std::size_t(index) >= found->children.size())
        return 0;
    return found->children[std::size_t(index)]->id;
}

KWDB_EXPORT int32_t GetKeyName(int32_t key, CKWStr* name) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    Put(name, found->name);
    return 1;
}

KWDB_EXPORT int32_t GetFullKeyName(int32_t key, CKWStr* path) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<const Key*> chain;
    for (const Key* k = found; k->parent != nullptr; k = k->parent)
        chain.push_back(k);
    std::u16string full;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        full.append(u"\\").append((*it)->name);
    Put(path, full);
    return 1;
}

KWDB_EXPORT int32_t GetKeyNameByIndex(int32_t key, int32_t index, CKWStr* name) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr || index < 0 || std::size_t(index) >= found->children.size())
        return 0;
    Put(name, found->children[std::size_t(index)]->name);
    return 1;
}

KWDB_EXPORT int32_t GetModFlag(int32_t key) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    return found != nullptr && found->modified ? 1 : 0;
}

KWDB_EXPORT void SetModFlag(int32_t key, int32_t flag) {
    std::lock_guard lock(g_lock);
    if (Key* found = FindKey(key))
        Tree::SetFlag(*found, flag != 0);
}

KWDB_EXPORT int32_t DeleteKey(int32_t key, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    g_tree.Delete(*found);
    return 1;
}

KWDB_EXPORT int32_t DeleteAllSubKey(int32_t key, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    g_tree.DeleteChildren(*found);
    return 1;
}

KWDB_EXPORT int32_t CopyKey(int32_t destinationParent, int32_t source, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key *parent = FindKey(destinationParent), *copied = FindKey(source);
    if (parent == nullptr || copied == nullptr)
        return 0;
    return g_tree.Attach(*parent, Tree::Copy(*copied), kAppend)->id; // copied first: into itself is fine
}

KWDB_EXPORT int32_t AddValue(int32_t key, const char16_t* name, const char16_t* text, const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    return found != nullptr ? g_tree.AddValue(*found, Text(name), Text(text)) : 0;
}

KWDB_EXPORT int32_t SetValue(int32_t key, const char16_t* name, int32_t, const char16_t* text,
                             const char16_t*) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    return found != nullptr ? g_tree.SetValue(*found, Text(name), Text(text)) : 0;
}

KWDB_EXPORT int32_t DeleteValue(int32_t key, const char16_t* name) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    return found != nullptr && g_tree.DeleteValue(*found, Text(name)) ? 1 : 0;
}

KWDB_EXPORT int32_t ChangeValueName(int32_t key, const char16_t* oldName, const char16_t* newName) {
    std::lock_guard lock(g_lock);
    Key* found = FindKey(key);
    return found != nullptr && g_tree.RenameValue(*found, Text(oldName), Text(newName)) ? 1 : 0;
}

KWDB_EXPORT int32_t GetValueId(int32_t key, const char16_t* name, int32_t) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    const Value* value = found != nullptr ? found->FindValue(Text(name)) : nullptr;
    return value != nullptr ? value->id : 0;
}

KWDB_EXPORT int32_t GetValueIdByIndex(int32_t key, int32_t index) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    const Value* value = found != nullptr ? ValueAt(*found, index) : nullptr;
    return value != nullptr ? value->id : 0;
}

KWDB_EXPORT int32_t GetValueCount(int32_t key) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    return found != nullptr ? int32_t(found->values.size()) : 0;
}

KWDB_EXPORT int32_t GetValueIdList(int32_t key, int32_t* ids, int32_t capacity) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<int32_t> list;
    list.reserve(found->values.size());
    for (const Value& value : found->values)
        list.push_back(value.id);
    return FillIds(list, ids, capacity);
}

KWDB_EXPORT int32_t GetValueIdListByValueData(int32_t key, const char16_t* text, int32_t* ids,
                                              int32_t capacity) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    if (found == nullptr)
        return 0;
    std::vector<int32_t> list;
    for (const Value& value : found->values)
        if (value.text == Text(text))
            list.push_back(value.id);
    return FillIds(list, ids, capacity);
}

KWDB_EXPORT int32_t GetValueName(int32_t key, int32_t index, CKWStr* name) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    const Value* value = found != nullptr ? ValueAt(*found, index) : nullptr;
    if (value == nullptr)
        return 0;
    Put(name, value->name);
    return 1;
}

KWDB_EXPORT int32_t GetValueNameByIndex(int32_t key, int32_t index, CKWStr* name) {
    return GetValueName(key, index, name);
}

KWDB_EXPORT int32_t GetStrValue(int32_t key, int32_t index, const char16_t* name, int32_t, const char16_t*,
                                CKWStr* text) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    const Value* value = found != nullptr ? ValueOf(*found, index, name) : nullptr;
    if (value == nullptr)
        return 0;
    Put(text, value->text);
    return 1;
}

KWDB_EXPORT int32_t GetStrValueByIndex(int32_t key, int32_t index, CKWStr* text) {
    return GetStrValue(key, index, nullptr, 0, nullptr, text);
}

KWDB_EXPORT int32_t GetIntValue(int32_t key, int32_t index, const char16_t* name, int32_t fallback, int32_t,
                                const char16_t*, int32_t) {
    std::lock_guard lock(g_lock);
    const Key* found = FindKey(key);
    return IntegerOf(found != nullptr ? ValueOf(*found, index, name) : nullptr, fallback);
}

KWDB_EXPORT int32_t GetIntValueByIndex(int32_t key, int32_t index, int32_t fallback) {
    return GetIntValue(key, index, nullptr, fallback, 0, nullptr, 0);
}

KWDB_EXPORT void ModFlagMonitor(int32_t key, int32_t flag) {
    std::lock_guard lock(g_lock);
    if (Key* found = FindKey(key))
        g_tree.SetMonitor(*found, flag != 0);
}

KWDB_EXPORT int32_t SetCallbackFunc(const char16_t* name, void* function) {
    std::lock_guard lock(g_lock);
    if (Text(name).empty())
        return 0;
    if (function == nullptr)
        g_callbacks.erase(std::u16string(Text(name)));
    else
        g_callbacks[std::u16string(Text(name))] = function;
    return 1;
}

KWDB_EXPORT void* GetCallbackFunc(const char16_t* name) {
    std::lock_guard lock(g_lock);
    const auto it = g_callbacks.find(Text(name));
    return it == g_callbacks.end() ? nullptr : it->second;
}

// Loading and saving: the document is parsed completely before the tree changes, so a malformed one
// changes nothing; what it holds is added under the key in document order.
namespace {

int32_t AddDocument(int32_t key, std::string_view document) {
    std::string error;
    std::unique_ptr<Key> contents = ReadDocument(document, error);
    std::lock_guard lock(g_lock);
    Key* target = FindKey(key);
    if (contents == nullptr || target == nullptr)
        return 0;
    for (Value& value : contents->values)
        g_tree.AddValue(*target, value.name, value.text);
    for (auto& child : contents->children)
        g_tree.Attach(*target, std::move(child), kAppend);
    return 1;
}

std::string DocumentOf(int32_t key, bool raw, bool& found) {
    std::lock_guard lock(g_lock);
    const Key* source = FindKey(key);
    found = source != nullptr;
    return found ? WriteDocument(*source, raw) : std::string();
}

} // namespace

KWDB_EXPORT int32_t LoadXMLFile(int32_t key, const char16_t* path) {
    std::string document;
    if (!ReadWholeFile(Text(path), document))
        return 0;
    return AddDocument(key, document);
}

KWDB_EXPORT int32_t SaveXMLFile(int32_t key, const char16_t* path) {
    bool found = false;
    const std::string document = DocumentOf(key, false, found);
    return found && ReplaceFile(Text(path), document) ? 1 : 0;
}

KWDB_EXPORT int32_t Serialize(int32_t key, CKWStr* image) {
    bool found = false;
    const std::string document = DocumentOf(key, true, found);
    if (!found)
        return 0;
    if (image != nullptr)
        *image = CKWStr::FromUtf8(document);
    return 1;
}

KWDB_EXPORT int32_t Unserialize(int32_t key, const char16_t* image) {
    const CKWStr text(Text(image));
    return AddDocument(key, text.ToUtf8());
}
