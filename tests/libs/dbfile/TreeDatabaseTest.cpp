// The tree database through the host's accessor: roots and paths, ids, values, the order and placement
// of sub-keys, large parents, modification flags, the callback registry and concurrent callers.
#include "support/DatabaseFixture.h"

#include <string>
#include <thread>
#include <vector>

namespace {

using TreeDatabase = DatabaseFixture;

TEST_F(TreeDatabase, RootsExistInOrderAndPathsIgnoreCase) {
    for (int i = 0; i < kKWRootCount; ++i) {
        const auto root = KWRoot(i);
        ASSERT_NE(db.Root(root), 0);
        EXPECT_EQ(db.GetFullKeyName(db.Root(root)).Text(), CKWDBAccess::RootPath(root));
        if (i > 0) {
            EXPECT_GT(db.Root(root), db.Root(KWRoot(i - 1)));
        }
    }
    EXPECT_EQ(db.GetKeyId(u"\\db_app"), db.Root(KWRoot::App));
    EXPECT_EQ(db.GetKeyId(u"\\DB_Startup\\DLLList"), 0);
    const int32_t list = db.GetKeyId(u"\\DB_Startup\\DLLList\\Entry", true);
    ASSERT_NE(list, 0);
    EXPECT_EQ(db.GetKeyId(u"\\db_startup\\dlllist\\ENTRY"), list);
    EXPECT_EQ(db.GetFullKeyName(list).Text(), u"\\DB_Startup\\DLLList\\Entry");
    EXPECT_EQ(db.GetParentKeyId(db.GetParentKeyId(list)), db.Root(KWRoot::Startup));
    EXPECT_EQ(db.GetParentKeyId(db.Root(KWRoot::Startup)), 0);
    EXPECT_EQ(db.GetKeyId(u"DB_APP"), 0); // a path starts with a backslash
    EXPECT_EQ(db.GetKeyId(u"\\NoSuchRoot"), 0);

    CKWDBAccess other; // a second opener of "KWV5" gets the same tree
    other.LoadLibrary();
    ASSERT_TRUE(other.CreateDatabase(u"Other"));
    EXPECT_EQ(other.Root(KWRoot::App), db.Root(KWRoot::App));
    other.FreeDatabase();
    EXPECT_EQ(db.GetKeyId(u"\\DB_APP"), db.Root(KWRoot::App));
}

TEST_F(TreeDatabase, IdsAreNeverReused) {
    const int32_t parent = db.Root(KWRoot::View);
    const int32_t first = db.AddKey(parent, u"Temp");
    const int32_t value = db.AddValue(first, u"x", u"1");
    ASSERT_TRUE(db.DeleteKey(first));
    EXPECT_TRUE(db.GetKeyName(first).IsEmpty());
    EXPECT_EQ(db.GetKeyCount(parent), 0);
    const int32_t second = db.AddKey(parent, u"Temp");
    EXPECT_NE(second, first);
    EXPECT_NE(db.AddValue(second, u"x", u"1"), value);
    EXPECT_EQ(db.GetKeyIndex(first), -1);
}

TEST_F(TreeDatabase, ValuesRepeatByAddAndAreReplacedBySet) {
    const int32_t key = db.Root(KWRoot::App);
    const int32_t one = db.AddValue(key, u"Line", u"one");
    const int32_t two = db.AddValue(key, u"LINE", u"two");
    EXPECT_NE(one, two);
    EXPECT_EQ(db.GetValueCount(key), 2);
    EXPECT_EQ(db.GetStr(key, u"line").Text(), u"one");
    EXPECT_EQ(db.GetValueId(key, u"line"), one);
    EXPECT_EQ(db.SetValue(key, u"Line", u"uno"), one);
    EXPECT_EQ(db.GetStrByIndex(key, 0).Text(), u"uno");
    EXPECT_EQ(db.GetStrByIndex(key, 1).Text(), u"two");
    EXPECT_TRUE(db.DeleteValue(key, u"Line"));
    EXPECT_EQ(db.GetStr(key, u"Line").Text(), u"two");
    EXPECT_TRUE(db.ChangeValueName(key, u"line", u"Other"));
    EXPECT_FALSE(db.HasValue(key, u"Line"));
    EXPECT_TRUE(db.HasValue(key, u"other"));
    EXPECT_FALSE(db.DeleteValue(key, u"Missing"));
    EXPECT_TRUE(db.GetStr(key, u"Missing").IsEmpty());

    const struct {
        const char16_t* text;
        int32_t number;
    } integers[] = {{u"12", 12}, {u"-5", -5}, {u"0x10", 16}, {u"7z", 7}, {u"abc", -1}, {u"", -1}, {u" 3", 3}};
    for (const auto& c : integers) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - integers));
        db.SetValue(key, u"Number", c.text);
        EXPECT_EQ(db.GetInt(key, u"Number", -1), c.number);
    }
    EXPECT_EQ(db.GetInt(key, u"Missing", 42), 42);
    db.SetInt(key, u"Number", -9);
    EXPECT_EQ(db.GetStr(key, u"Number").Text(), u"-9");
}

TEST_F(TreeDatabase, SubKeysKeepTheirOrderThroughInsertExchangeMoveAndCopy) {
    const int32_t top = db.Root(KWRoot::CurWS);
    const int32_t a = db.AddKey(top, u"A"), c = db.AddKey(top, u"C");
    const int32_t b = db.InsertKey(c, u"B");
    auto names = [&](int32_t key) {
        std::u16string out;
        for (const int32_t child : db.GetKeyIdList(key))
            out += db.GetKeyName(child).Text() + u",";
        return out;
    };
    EXPECT_EQ(names(top), u"A,B,C,");
    EXPECT_EQ(db.GetKeyIndex(c), 2);
    EXPECT_EQ(db.GetKeyIdByIndex(top, 1), b);
    EXPECT_TRUE(db.ExchangeKey(a, c));
    EXPECT_EQ(names(top), u"C,B,A,");
    EXPECT_EQ(db.GetKeyIndex(a), 2);

    const int32_t child = db.AddKey(a, u"Child");
    db.AddValue(child, u"v", u"1");
    EXPECT_FALSE(db.MoveKey(a, child)); // not below itself
    EXPECT_FALSE(db.MoveKey(a, a));
    EXPECT_FALSE(db.ExchangeKey(a, child)); // not siblings
    EXPECT_TRUE(db.MoveKey(a, top, c));     // before C
    EXPECT_EQ(names(top), u"A,C,B,");
    EXPECT_TRUE(db.MoveKey(b, top, c));
    EXPECT_EQ(names(top), u"A,B,C,");
    EXPECT_TRUE(db.MoveKey(child, c));
    EXPECT_EQ(db.GetParentKeyId(child), c);
    EXPECT_EQ(db.GetStr(child, u"v").Text(), u"1");

    const int32_t copy = db.CopyKey(c, c); // into itself: the copy is taken first
    ASSERT_NE(copy, 0);
    EXPECT_NE(copy, c);
    EXPECT_EQ(names(c), u"Child,C,");
    EXPECT_EQ(names(copy), u"Child,");
    EXPECT_NE(db.GetKeyIdByIndex(copy, 0), child);
    EXPECT_EQ(db.GetStr(db.GetKeyIdByIndex(copy, 0), u"v").Text(), u"1");

    db.AddValue(c, u"kept", u"yes");
    EXPECT_TRUE(db.DeleteAllSubKey(c));
    EXPECT_EQ(db.GetKeyCount(c), 0);
    EXPECT_EQ(db.GetStr(c, u"kept").Text(), u"yes");
    EXPECT_TRUE(db.GetKeyName(child).IsEmpty());
}

TEST_F(TreeDatabase, LargeParentFindsTheFirstKeyOfANameThroughEveryChange) {
    const int32_t parent = db.Root(KWRoot::RscID);
    constexpr int kCount = 100000;
    std::vector<int32_t> ids;
    for (int i = 0; i < kCount; ++i)
        ids.push_back(db.AddKey(parent, CKWStr().Format(u"Key%d", i).c_str()));
    for (const int i : {0, 1, 16, 17, 4999, kCount - 1})
        EXPECT_EQ(db.GetKeyIdByName(parent, CKWStr().Format(u"KEY%d", i).c_str()), ids[std::size_t(i)]) << i;
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key100000"), 0);

    const int32_t duplicate = db.AddKey(parent, u"key50");
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key50"), ids[50]);
    ASSERT_TRUE(db.DeleteKey(ids[50]));
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key50"), duplicate);
    const int32_t front = db.InsertKey(ids[0], u"Key50");
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key50"), front);
    ASSERT_TRUE(db.ChangeKeyName(ids[7], u"Renamed"));
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key7"), 0);
    EXPECT_EQ(db.GetKeyIdByName(parent, u"renamed"), ids[7]);
    EXPECT_EQ(db.GetKeyIndex(ids[kCount - 1]), kCount - 1); // one deleted before it, one inserted in front
    EXPECT_EQ(db.GetKeyIdByName(parent, u"Key77", true), ids[77]);
    const int32_t created = db.GetKeyIdByName(parent, u"Fresh", true);
    EXPECT_EQ(db.GetKeyIdByIndex(parent, db.GetKeyCount(parent) - 1), created);
}

TEST_F(TreeDatabase, ChangesFlagTheKeyAndEveryKeyAbove) {
    const int32_t root = db.Root(KWRoot::Proj);
    const int32_t project = db.AddKey(root, u"Project"), settings = db.AddKey(project, u"Settings");
    const int32_t sibling = db.AddKey(root, u"Sibling");
    db.SetModFlag(root, false);
    EXPECT_FALSE(db.GetModFlag(project));

    db.SetValue(settings, u"Opt", u"1");
    EXPECT_TRUE(db.GetModFlag(settings));
    EXPECT_TRUE(db.GetModFlag(project));
    EXPECT_TRUE(db.GetModFlag(root));
    EXPECT_FALSE(db.GetModFlag(sibling));

    db.SetModFlag(project, false); // clears the key and everything below it
    EXPECT_FALSE(db.GetModFlag(settings));
    EXPECT_TRUE(db.GetModFlag(root));
    db.SetValue(settings, u"Opt", u"1"); // the same text is no change
    EXPECT_FALSE(db.GetModFlag(settings));

    db.ModFlagMonitor(project, false);
    db.AddKey(settings, u"Quiet");
    db.SetValue(settings, u"Opt", u"2");
    EXPECT_FALSE(db.GetModFlag(settings));
    EXPECT_FALSE(db.GetModFlag(project));
    db.ModFlagMonitor(project, true);
    db.DeleteValue(settings, u"Opt");
    EXPECT_TRUE(db.GetModFlag(settings));
    EXPECT_TRUE(db.GetModFlag(project));
    db.SetModFlag(sibling, true);
    EXPECT_TRUE(db.GetModFlag(sibling));
}

int Answer() { return 42; }

TEST_F(TreeDatabase, CallbackIsAbsentUntilRegistered) {
    EXPECT_EQ(db.GetCallbackFunc(u"Translate"), nullptr);
    EXPECT_TRUE(db.SetCallbackFunc(u"Translate", reinterpret_cast<void*>(&Answer)));
    EXPECT_EQ(db.GetCallbackFunc(u"TRANSLATE"), reinterpret_cast<void*>(&Answer));
    EXPECT_FALSE(db.SetCallbackFunc(u"", reinterpret_cast<void*>(&Answer)));
    EXPECT_EQ(db.GetCallbackFunc(nullptr), nullptr);
}

TEST_F(TreeDatabase, ConcurrentCallersKeepTheTreeWhole) {
    const int32_t root = db.Root(KWRoot::Write);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            const int32_t own = db.AddKey(root, CKWStr().Format(u"Thread%d", t).c_str());
            for (int i = 0; i < 500; ++i) {
                const int32_t key = db.AddKey(own, u"Item");
                db.AddValue(key, u"i", CKWStr(i).c_str());
                db.GetKeyId(u"\\DB_Write");
                db.GetStr(key, u"i");
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(db.GetKeyCount(root), 4);
    for (const int32_t own : db.GetKeyIdList(root))
        EXPECT_EQ(db.GetKeyCount(own), 500);
}

} // namespace
