// KWDB through the bus: every form, its failures, and a saved subtree loaded back exactly.
#include "support/HostFixture.h"

#include "core/KWUnicode.h"
#include "services/KWCallbacks.h"

#include <fstream>
#include <regex>
#include <string>

namespace {

using DBCommand = HostFixture;

std::string Narrow(const std::u16string& text) { return Utf16ToUtf8(text); }

TEST_F(DBCommand, KeyListsTheValuesOfAKey) {
    SetApp(u"ProductName", u"Kilnworks Studio");
    const KWRunResult listing = Run(u"KWDB /KEY, \\DB_APP");
    ASSERT_EQ(listing.code, 0);
    EXPECT_NE(listing.text.find(u" * Lang = Eng\n"), std::u16string::npos);
    EXPECT_NE(listing.text.find(u" * ProductName = Kilnworks Studio\n"), std::u16string::npos);
    EXPECT_EQ(listing.text.rfind(u" * ", 0), 0u);
    EXPECT_EQ(listing.text.back(), u'\n');
}

TEST_F(DBCommand, KeysListsTheTreeWithIdsIndented) {
    Run(u"KWDB /ADDKEY, \\DB_Startup\\DLLList\\Build");
    Run(u"KWDB /ADDVALUE, \\DB_Startup\\DLLList\\Build, Name, Build.so");
    Run(u"KWDB /ADDVALUE, \\DB_Startup, Top, yes");
    const std::string tree = Narrow(Run(u"KWDB /KEYS, /ID16, \\DB_Startup").text);
    EXPECT_TRUE(std::regex_match(tree, std::regex("  \\* Top \\(0x[0-9a-f]+\\) = yes\n"
                                                  "DLLList \\(0x[0-9a-f]+\\)\n"
                                                  " Build \\(0x[0-9a-f]+\\)\n"
                                                  "   \\* Name \\(0x[0-9a-f]+\\) = Build.so\n")))
        << tree;
    const std::string plain = Narrow(Run(u"KWDB /KEYS, \\DB_Startup").text);
    EXPECT_EQ(plain, "  * Top = yes\nDLLList\n Build\n   * Name = Build.so\n");
    const int32_t list = db.GetKeyId(u"\\DB_Startup\\DLLList");
    EXPECT_NE(
        Narrow(Run(u"KWDB /KEYS, /ID, \\DB_Startup").text).find("DLLList (" + std::to_string(list) + ")"),
        std::string::npos);
}

TEST_F(DBCommand, ValueReadsAndWritesAndConfFormsStripQuotes) {
    EXPECT_EQ(Run(u"KWDB /VALUE, \\DB_APP, Lang, Jpn").code, 0);
    EXPECT_EQ(Run(u"KWDB /VALUE, \\DB_APP, Lang").text, u"Jpn");
    EXPECT_EQ(Run(u"KWDB /VALUE, \\DB_APP, Quoted, \"a,b\"").code, 0);
    EXPECT_EQ(App(u"Quoted").Text(), u"\"a,b\""); // /VALUE keeps quotes
    EXPECT_EQ(Run(u"KWDB /VALUE, \\DB_APP, Missing").text, u"");

    const KWRunResult set = Run(u"KWDB /SetConfValue, A\\B, x, \"1,2\"");
    EXPECT_EQ(set.code, 0);
    EXPECT_EQ(db.GetStr(db.GetKeyId(u"\\DB_Customize\\A\\B"), u"x").Text(), u"1,2");
    const KWRunResult get = Run(u"KWDB /GetConfValue, A\\B, x");
    EXPECT_EQ(get.text, u"1,2");
    EXPECT_EQ(get.code, 0);
    Run(u"KWDB /SetConfValue, A\\B, x, 0x10");
    EXPECT_EQ(Run(u"KWDB /GetConfValue, A\\B, x").code, 16);
    EXPECT_EQ(db.GetValueCount(db.GetKeyId(u"\\DB_Customize\\A\\B")), 1);
    EXPECT_EQ(Run(u"KWDB /GetConfValue, A\\B, none").code, 0);
    EXPECT_EQ(Run(u"KWDB /GetConfValue, No\\Such, x").code, -10);
}

TEST_F(DBCommand, FailuresAnswerMinusTenAndChangeNothing) {
    const struct {
        const char16_t* line;
        int32_t code;
    } cases[] = {
        {u"KWDB /SAVE, /Other, k, f", -10},
        {u"KWDB /GetProjectValue, NoSuchKey, x", -10},
        {u"KWDB k, /KEY", -10},
        {u"KWDB /KEY, \\No\\Such", -10},
        {u"KWDB /ADDVALUE, \\No\\Such, a, b", -10},
        {u"KWDB /ADDVALUE, \\DB_APP", -10},
        {u"KWDB /DELETEKEY, \\No\\Such", -10},
        {u"KWDB /LOAD, \\DB_APP, /no/such/file.xml", -10},
        {u"KWDB /SAVE, \\No\\Such, /tmp/x.xml", -10},
        {u"KWDB /SetProjectValue, Key, x, 1", -10},
        {u"KWDB /VALUE, \\DB_APP", -10},
        {u"KWDB /SetConfValue, Key", -10},
        {u"KWDB /SAVE, /ProjDir, \\DB_APP, x.xml", -10},
        {u"KWDB nothing, here", 0},
        {u"KWDB", 0},
    };
    const std::u16string before = Run(u"KWDB /KEYS, /ID, \\DB_APP").text;
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.line));
        const KWRunResult answer = Run(c.line);
        EXPECT_EQ(answer.code, c.code);
        EXPECT_TRUE(answer.text.empty());
    }
    EXPECT_EQ(Run(u"KWDB /KEYS, /ID, \\DB_APP").text, before);
    EXPECT_EQ(db.GetKeyId(u"\\DB_Customize\\Key"), 0);
}

TEST_F(DBCommand, SavedSubtreeIsRestoredExactlyAfterDeletion) {
    for (const char16_t* line :
         {u"KWDB /ADDKEY, \\DB_View\\Demo\\Watch\\Items", u"KWDB /ADDKEY, \\DB_View\\Demo\\Memory",
          u"KWDB /ADDVALUE, \\DB_View\\Demo\\Watch\\Items, Line, \"a, b\"",
          u"KWDB /ADDVALUE, \\DB_View\\Demo\\Watch\\Items, Line,  second ",
          u"KWDB /ADDVALUE, \\DB_View\\Demo, Width, 640",
          u"KWDB /ADDVALUE, \\DB_View\\Demo\\Memory, Base, 0xFF00"})
        ASSERT_EQ(Run(line).code, 0) << Narrow(line);
    const auto withoutIds = [](std::u16string text) {
        return Utf8ToUtf16(std::regex_replace(Utf16ToUtf8(text), std::regex(" \\([0-9]+\\)"), ""));
    };
    const std::u16string before = Run(u"KWDB /KEYS, /ID, \\DB_View\\Demo").text;
    const std::u16string file = Utf8ToUtf16((home / "demo.xml").string());
    ASSERT_EQ(Run((u"KWDB /SAVE, \\DB_View\\Demo, " + file).c_str()).code, 0);
    ASSERT_EQ(Run(u"KWDB /DELETEKEY, \\DB_View\\Demo").code, 0);
    EXPECT_EQ(Run(u"KWDB /KEYS, \\DB_View\\Demo").code, -10);
    ASSERT_EQ(Run(u"KWDB /ADDKEY, \\DB_View\\Demo").code, 0);
    ASSERT_EQ(Run((u"KWDB /LOAD, \\DB_View\\Demo, \"" + file + u"\"").c_str()).code, 0);
    const std::u16string after = Run(u"KWDB /KEYS, /ID, \\DB_View\\Demo").text;
    EXPECT_EQ(withoutIds(after), withoutIds(before));
    EXPECT_NE(after, before); // the loaded keys have new ids
    EXPECT_NE(withoutIds(after).find(u"   * Line = a, b\n"), std::u16string::npos);
}

int32_t g_projectTop = 0;
int32_t ProjectTop(int32_t) { return g_projectTop; }

TEST_F(DBCommand, ProjectFormsAndRelativeFilesFollowTheCurrentProject) {
    g_projectTop = db.AddKey(db.Root(KWRoot::Proj), u"Demo");
    db.SetValue(g_projectTop, u"ProjDir", Utf8ToUtf16(home.string()).c_str());
    db.SetCallbackFunc(u"GetCurrentDBProjTop",
                       reinterpret_cast<void*>(static_cast<KWGetCurrentDBTopProc>(&ProjectTop)));
    // The set form replaces the value, so the next get reads the new text.
    EXPECT_EQ(Run(u"KWDB /SetProjectValue, Build\\Options, Level, \"2\"").code, 0);
    EXPECT_EQ(Run(u"KWDB /SetProjectValue, Build\\Options, Level, 3").code, 0);
    const KWRunResult level = Run(u"KWDB /GetProjectValue, Build\\Options, Level");
    EXPECT_EQ(level.text, u"3");
    EXPECT_EQ(level.code, 3);
    EXPECT_EQ(db.GetValueCount(db.GetKeyIdByName(db.GetKeyIdByName(g_projectTop, u"Build"), u"Options")), 1);
    EXPECT_EQ(Run(u"KWDB /SetProjectValue, Build, Empty").code, 0);
    EXPECT_EQ(Run(u"KWDB /GetProjectValue, Build, Empty").text, u"");

    ASSERT_EQ(Run(u"KWDB /SAVE, /ProjDir, \\DB_Proj\\Demo, saved.xml").code, 0);
    EXPECT_TRUE(std::filesystem::exists(home / "saved.xml"));
    SetApp(u"InstallPath", Utf8ToUtf16(home.string() + "/").c_str());
    std::filesystem::create_directories(home / "conf");
    ASSERT_EQ(Run(u"KWDB /SAVE, /Conf, \\DB_Proj\\Demo, \"conf saved.xml\"").code, 0);
    EXPECT_TRUE(std::filesystem::exists(home / "conf" / "conf saved.xml"));

    EXPECT_EQ(Run(u"KWDB /SetProjectGroupValue, Group, Name, One").code, 0);
    EXPECT_EQ(Run(u"KWDB /SetProjectGroupValue, Group, Name, Two").code, 0);
    EXPECT_EQ(Run(u"KWDB /GetProjectGroupValue, Group, Name").text, u"Two");
    EXPECT_EQ(Run(u"KWDB /GetDftValue, Group, Name").code, -10); // no default settings top
}

TEST_F(DBCommand, NamelessValueLineEndsAndKeysAndValuesAreDeleted) {
    const std::string file = (home / "nameless.xml").string();
    std::ofstream(file) << "<?xml version=\"1.0\"?><kwdb version=\"1\"><v n=\"\" t=\"hidden\"/><v "
                           "n=\"Shown\" t=\"1\"/></kwdb>";
    Run(u"KWDB /ADDKEY, \\DB_CurWS\\Odd");
    ASSERT_EQ(Run((u"KWDB /LOAD, \\DB_CurWS\\Odd, " + Utf8ToUtf16(file)).c_str()).code, 0);
    EXPECT_EQ(Run(u"KWDB /KEYS, \\DB_CurWS\\Odd").text, u" \n  * Shown = 1\n");
    EXPECT_EQ(Run(u"KWDB /DELETEVALUE, \\DB_CurWS\\Odd, shown").code, 0);
    EXPECT_EQ(Run(u"KWDB /KEYS, \\DB_CurWS\\Odd").text, u" \n");
    EXPECT_EQ(Run(u"KWDB /DELETEKEY, \\DB_CurWS\\Odd").code, 0);
    EXPECT_EQ(db.GetKeyId(u"\\DB_CurWS\\Odd"), 0);
}

} // namespace
