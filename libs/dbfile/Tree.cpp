#include "Tree.h"

#include <algorithm>
#include <limits>

namespace kwdb {

namespace {

// Parents with more children than this keep a name index; smaller ones are scanned, which costs no
// more than hashing the name.
constexpr std::size_t kIndexedChildren = 16;

template <typename Visit>
void ForEachInSubtree(Key& key, const Visit& visit) {
    visit(key);
    for (const auto& child : key.children)
        ForEachInSubtree(*child, visit);
}

} // namespace

const Value* Key::FindValue(std::u16string_view valueName) const {
    for (const Value& value : values)
        if (NoCaseEqual()(value.name, valueName))
            return &value;
    return nullptr;
}

Value* Key::FindValue(std::u16string_view valueName) {
    return const_cast<Value*>(static_cast<const Key*>(this)->FindValue(valueName));
}

Tree::~Tree() = default;

int32_t Tree::CreateDatabase(std::u16string_view name) {
    for (const auto& database : m_databases) {
        if (database && NoCaseEqual()(database->name, name)) {
            ++database->references;
            return database->handle;
        }
    }
    auto database = std::make_unique<Database>();
    database->name = name;
    database->handle = int32_t(m_databases.size());
    database->references = 1;
    database->top.database = database.get();
    m_databases.push_back(std::move(database));
    return m_databases.back()->handle;
}

bool Tree::DatabaseExists(std::u16string_view name) const {
    return std::any_of(m_databases.begin(), m_databases.end(),
                       [&](const auto& database) { return database && NoCaseEqual()(database->name, name); });
}

void Tree::FreeDatabase(int32_t handle) {
    Database* database = FindDatabase(handle);
    if (database == nullptr || --database->references > 0)
        return;
    for (const auto& root : database->top.children)
        Unregister(*root);
    m_databases[std::size_t(handle)].reset();
}

void Tree::FreeAll() {
    for (const auto& database : m_databases)
        if (database)
            for (const auto& root : database->top.children)
                Unregister(*root);
    m_databases.clear();
}

Database* Tree::FindDatabase(int32_t handle) const {
    if (handle < 0 || std::size_t(handle) >= m_databases.size())
        return nullptr;
    return m_databases[std::size_t(handle)].get();
}

Key* Tree::FindKey(int32_t id) const {
    const auto it = m_keys.find(id);
    return it == m_keys.end() ? nullptr : it->second;
}

Key* Tree::FindChild(Key& parent, std::u16string_view name) {
    if (parent.childIndex == nullptr && parent.children.size() > kIndexedChildren) {
        parent.childIndex = std::make_unique<decltype(parent.childIndex)::element_type>();
        parent.childIndex->reserve(parent.children.size());
        for (const auto& child : parent.children)
            parent.childIndex->emplace(child->name, child.get()); // the first of a name stays
    }
    if (parent.childIndex != nullptr) {
        const auto it = parent.childIndex->find(name);
        return it == parent.childIndex->end() ? nullptr : it->second;
    }
    for (const auto& child : parent.children)
        if (NoCaseEqual()(child->name, name))
            return child.get();
    return nullptr;
}

Key* Tree::FindPath(Database& database, std::u16string_view path, bool create) {
    if (path.empty() || path.front() != u'\\')
        return nullptr;
    Key* key = &database.top;
    for (std::size_t start = 1; start < path.size();) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos)
            end = path.size();
        const std::u16string_view segment = path.substr(start, end - start);
        start = end + 1;
        if (segment.empty())
            continue;
        Key* child = FindChild(*key, segment);
        if (child == nullptr) {
            if (!create)
                return nullptr;
            child = AddKey(*key, segment, std::numeric_limits<std::size_t>::max());
        }
        key = child;
    }
    return key == &database.top ? nullptr : key;
}

std::size_t Tree::PositionOf(Key& key) {
    Key& parent = *key.parent;
    if (parent.positionsStale) {
        for (std::size_t i = 0; i < parent.children.size(); ++i)
            parent.children[i]->position = i;
        parent.positionsStale = false;
    }
    return key.position;
}

void Tree::Place(Key& parent, std::unique_ptr<Key> child, std::size_t position) {
    child->parent = &parent;
    if (position >= parent.children.size()) {
        child->position = parent.children.size();
        if (parent.childIndex != nullptr)
            parent.childIndex->emplace(child->name, child.get());
        parent.children.push_back(std::move(child));
        return;
    }
    DropIndex(parent); // the first key of a name may change
    parent.positionsStale = true;
    parent.children.insert(parent.children.begin() + std::ptrdiff_t(position), std::move(child));
}

Key* Tree::AddKey(Key& parent, std::u16string_view name, std::size_t position) {
    auto key = std::make_unique<Key>();
    key->name = name;
    return Attach(parent, std::move(key), position);
}

Key* Tree::Attach(Key& parent, std::unique_ptr<Key> subtree, std::size_t position) {
    Key* key = subtree.get();
    key->parent = &parent;
    Register(*key);
    Place(parent, std::move(subtree), position);
    Changed(parent);
    return key;
}

std::unique_ptr<Key> Tree::Detach(Key& key) {
    Key& parent = *key.parent;
    const std::size_t position = PositionOf(key);
    std::unique_ptr<Key> detached = std::move(parent.children[position]);
    parent.children.erase(parent.children.begin() + std::ptrdiff_t(position));
    DropIndex(parent);
    parent.positionsStale = true;
    detached->parent = nullptr;
    return detached;
}

void Tree::Delete(Key& key) {
    Key& parent = *key.parent;
    Unregister(key);
    Detach(key);
    Changed(parent);
}

void Tree::DeleteChildren(Key& key) {
    if (key.children.empty())
        return;
    for (const auto& child : key.children)
        Unregister(*child);
    key.children.clear();
    DropIndex(key);
    key.positionsStale = false;
    Changed(key);
}

void Tree::Rename(Key& key, std::u16string_view name) {
    if (key.name == name)
        return;
    DropIndex(*key.parent); // it holds a view of the old name
    key.name = name;
    Changed(key);
}

bool Tree::Exchange(Key& a, Key& b) {
    if (a.parent != b.parent)
        return false;
    if (&a == &b)
        return true;
    Key& parent = *a.parent;
    const std::size_t pa = PositionOf(a), pb = PositionOf(b);
    std::swap(parent.children[pa], parent.children[pb]);
    a.position = pb;
    b.position = pa;
    if (NoCaseEqual()(a.name, b.name))
        DropIndex(parent);
    Changed(parent);
    return true;
}

bool Tree::Move(Key& key, Key& parent, std::size_t position) {
    if (key.database != parent.database)
        return false;
    for (const Key* above = &parent; above != nullptr; above = above->parent)
        if (above == &key)
            return false; // not below itself
    Key& oldParent = *key.parent;
    std::unique_ptr<Key> moved = Detach(key);
    Changed(oldParent);
    Place(parent, std::move(moved), position);
    Changed(parent);
    return true;
}

std::unique_ptr<Key> Tree::Copy(const Key& key) {
    auto copy = std::make_unique<Key>();
    copy->name = key.name;
    copy->values = key.values;
    for (Value& value : copy->values)
        value.id = 0;
    copy->children.reserve(key.children.size());
    for (const auto& child : key.children) {
        copy->children.push_back(Copy(*child));
        copy->children.back()->parent = copy.get();
        copy->children.back()->position = copy->children.size() - 1;
    }
    return copy;
}

int32_t Tree::NextKeyId() {
    // Positive and never 0; should the numbering ever wrap, ids of live keys are skipped.
    do
        m_keyIds = m_keyIds % uint32_t(std::numeric_limits<int32_t>::max()) + 1;
    while (m_keys.count(int32_t(m_keyIds)) != 0);
    return int32_t(m_keyIds);
}

int32_t Tree::NextValueId() {
    // Positive and never 0; after 2^31 - 1 values the numbering starts again at 1.
    m_valueIds = m_valueIds % uint32_t(std::numeric_limits<int32_t>::max()) + 1;
    return int32_t(m_valueIds);
}

int32_t Tree::AddValue(Key& key, std::u16string_view name, std::u16string_view text) {
    key.values.push_back(Value{NextValueId(), std::u16string(name), std::u16string(text)});
    Changed(key);
    return key.values.back().id;
}

int32_t Tree::SetValue(Key& key, std::u16string_view name, std::u16string_view text) {
    Value* value = key.FindValue(name);
    if (value == nullptr)
        return AddValue(key, name, text);
    if (value->text != text) {
        value->text = text;
        Changed(key);
    }
    return value->id;
}

bool Tree::DeleteValue(Key& key, std::u16string_view name) {
    const auto it = std::find_if(key.values.begin(), key.values.end(),
                                 [&](const Value& value) { return NoCaseEqual()(value.name, name); });
    if (it == key.values.end())
        return false;
    key.values.erase(it);
    Changed(key);
    return true;
}

bool Tree::RenameValue(Key& key, std::u16string_view oldName, std::u16string_view newName) {
    Value* value = key.FindValue(oldName);
    if (value == nullptr)
        return false;
    if (value->name != newName) {
        value->name = newName;
        Changed(key);
    }
    return true;
}

void Tree::Changed(Key& key) {
    if (m_keysWithMonitorOff > 0)
        for (const Key* above = &key; above != nullptr; above = above->parent)
            if (above->monitorOff)
                return;
    // Every flagged key's ancestors are flagged too, so the walk stops at the first flagged one.
    for (Key* above = &key; above != nullptr && above->parent != nullptr && !above->modified;
         above = above->parent)
        above->modified = true;
}

void Tree::SetFlag(Key& key, bool modified) {
    if (modified) {
        for (Key* above = &key; above != nullptr && above->parent != nullptr; above = above->parent)
            above->modified = true;
        return;
    }
    ForEachInSubtree(key, [](Key& k) { k.modified = false; });
}

void Tree::SetMonitor(Key& key, bool on) {
    if (key.monitorOff == !on)
        return;
    key.monitorOff = !on;
    m_keysWithMonitorOff += on ? -1 : 1;
}

void Tree::Register(Key& key) {
    Database* database = key.parent != nullptr ? key.parent->database : nullptr;
    ForEachInSubtree(key, [&](Key& k) {
        k.id = NextKeyId();
        k.database = database;
        m_keys.emplace(k.id, &k);
        for (Value& value : k.values)
            value.id = NextValueId();
        if (k.monitorOff)
            ++m_keysWithMonitorOff;
    });
}

void Tree::Unregister(Key& key) {
    ForEachInSubtree(key, [&](Key& k) {
        m_keys.erase(k.id);
        if (k.monitorOff)
            --m_keysWithMonitorOff;
    });
}

} // namespace kwdb
