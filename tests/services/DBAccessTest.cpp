// The accessor's guards: nothing reaches the library without a database, a key id and a name.
#include "services/KWDBAccess.h"

#include <gtest/gtest.h>

namespace {

int g_calls = 0;

int32_t FakeCreateDB(const char16_t*) { return 3; }
int32_t FakeCreateDomainKey(int32_t, const char16_t*, const char16_t*, int32_t) { return ++g_calls; }
int32_t FakeGetStrValue(int32_t, int32_t, const char16_t*, int32_t, const char16_t*, CKWStr* text) {
    ++g_calls;
    *text = u"from the library";
    return 1;
}
int32_t FakeSetValue(int32_t, const char16_t*, int32_t, const char16_t*, const char16_t*) {
    return ++g_calls;
}

TEST(DBAccess, GuardsKeepInvalidRequestsAwayFromTheLibrary) {
    CKWDBAccess db;
    CKWDBAccess::Functions functions;
    functions.CreateDB = &FakeCreateDB;
    functions.CreateDomainKey = &FakeCreateDomainKey;
    functions.GetStrValue = &FakeGetStrValue;
    functions.SetValue = &FakeSetValue;
    db.UseFunctions(functions);

    EXPECT_TRUE(db.GetStr(7, u"Name").IsEmpty()); // no database yet
    EXPECT_EQ(g_calls, 0);
    ASSERT_TRUE(db.CreateDatabase(u"KWX5Main"));
    EXPECT_EQ(g_calls, kKWRootCount);
    EXPECT_EQ(db.Root(KWRoot::Customize), kKWRootCount);

    g_calls = 0;
    EXPECT_TRUE(db.GetStr(0, u"Name").IsEmpty());
    EXPECT_TRUE(db.GetStr(7, u"").IsEmpty());
    EXPECT_TRUE(db.GetStr(7, nullptr).IsEmpty());
    EXPECT_EQ(db.SetValue(0, u"Name", u"x"), 0);
    EXPECT_EQ(db.SetValue(7, u"", u"x"), 0);
    EXPECT_EQ(g_calls, 0);
    EXPECT_EQ(db.GetStr(7, u"Name").Text(), u"from the library");
    EXPECT_EQ(db.SetValue(7, u"Name", nullptr), 2);

    // Functions the library does not have do nothing.
    EXPECT_EQ(db.AddKey(7, u"Key"), 0);
    EXPECT_FALSE(db.SaveXMLFile(7, u"/tmp/x.xml"));
    EXPECT_EQ(db.GetCallbackFunc(u"Translate"), nullptr);
    EXPECT_EQ(db.GetKeyIndex(7), -1);
}

TEST(DBAccess, WithoutALibraryThereIsNoDatabase) {
    CKWDBAccess db;
    EXPECT_FALSE(db.CreateDatabase(u"KWX5Main"));
    EXPECT_FALSE(db.HasDatabase());
    EXPECT_EQ(db.Root(KWRoot::App), 0);
    EXPECT_EQ(db.GetKeyId(u"\\DB_APP"), 0);
    EXPECT_EQ(db.GetInt(1, u"x", 5), 5);
}

} // namespace
