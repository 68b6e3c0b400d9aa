// The start-up file and the command line of the studio.
#include "support/HostFixture.h"

#include "core/KWUnicode.h"
#include "core/StartupArguments.h"
#include "core/StartupFile.h"

#include <fstream>

namespace {

using StartupFile = HostFixture;

TEST_F(StartupFile, LinesAreKeyColonValueWithCommentsAndKeysIgnoreCase) {
    const CKWStartupFile file = CKWStartupFile::Parse(u"# a comment line\n"
                                                      u"ProductName: Kilnworks Studio  # trailing comment\r\n"
                                                      u"ver:5.1:beta\n"
                                                      u"no colon here\n"
                                                      u":no key\n"
                                                      u"LANG:Jpn\n"
                                                      u"Lang:Chn\n");
    ASSERT_EQ(file.Entries().size(), 4u);
    EXPECT_EQ(file.Value(u"productname").Text(), u"Kilnworks Studio");
    EXPECT_EQ(file.Value(u"VER").Text(), u"5.1:beta"); // split at the first colon
    EXPECT_EQ(file.Language().Text(), u"Chn");         // the last one counts
    EXPECT_EQ(file.Entries()[0].line.Text(), u"ProductName: Kilnworks Studio");
}

TEST_F(StartupFile, LibrariesAreListedOnlyWhenTheirFileExists) {
    std::filesystem::create_directories(home / "Bin");
    std::ofstream(home / "Bin" / "foo.so") << "";
    const CKWStartupFile file =
        CKWStartupFile::Parse(u"DLL:foo.so # comment\nDLL:missing.so\n"
                              u"Plugin:foo.so\nPhaseList:Design,Debug\n"
                              u"NewsURL:ftp://not.web.example/\nLogURL:https://log.example/\n"
                              u"KWEditorKeyword:c:if,else\nVer:5.2\n");
    const CKWStr install = CKWStr::FromUtf8(home.string() + "/");
    file.Apply(install);
    const int32_t list = db.GetKeyId(u"\\DB_Startup\\DLLList");
    ASSERT_EQ(db.GetKeyCount(list), 1);
    const int32_t entry = db.GetKeyIdByIndex(list, 0);
    EXPECT_EQ(db.GetKeyName(entry).Text(), u"DLL");
    EXPECT_EQ(db.GetStr(entry, u"Name").ToUtf8(), (home / "Bin" / "foo.so").string());
    EXPECT_EQ(db.GetKeyCount(db.GetKeyId(u"\\DB_Startup\\PluginList")), 1);
    EXPECT_EQ(App(u"CurPhase").Text(), u"Design");
    EXPECT_EQ(App(u"StartupPhase").Text(), u"Design");
    EXPECT_EQ(App(u"PhaseList").Text(), u"Design,Debug");
    EXPECT_TRUE(App(u"NewsURL").IsEmpty()); // only web addresses
    EXPECT_EQ(App(u"LogURL").Text(), u"https://log.example/");
    EXPECT_EQ(App(u"Ver").Text(), u"5.2");
    EXPECT_EQ(host->editorKeywords.Text(), u"c:if,else");
    CKWStartupFile::Parse(u"UnPlugin:foo.so\n").Apply(install);
    EXPECT_EQ(db.GetKeyCount(db.GetKeyId(u"\\DB_Startup\\PluginList")), 0);
}

TEST_F(StartupFile, RegistryLanguageWinsOverTheFile) {
    const CKWStartupFile file = CKWStartupFile::Parse(u"Lang:Jpn\n");
    EXPECT_EQ(ApplyLanguage(file).Text(), u"Jpn");
    EXPECT_EQ(App(u"CurLang").Text(), u"Jpn");
    EXPECT_EQ(Run(u"KWStr Cancel").text, u"\u30ad\u30e3\u30f3\u30bb\u30eb");
    Run(u"KWStr /SetLang,Chn");
    EXPECT_EQ(ApplyLanguage(file).Text(), u"Chn");
    EXPECT_EQ(Run(u"KWStr Cancel").text, u"\u53d6\u6d88");
}

TEST_F(StartupFile, StartupIniCommandReadsTheStagedFile) {
    const KWRunResult all = Run(u"KWStartupIni /GetAll");
    EXPECT_EQ(all.code, 0);
    EXPECT_NE(all.text.find(u"ProductName:Kilnworks Studio"), std::u16string::npos);
    EXPECT_EQ(Run(u"KWStartupIni /Get,phaselist").text, u"PhaseList:Design,Debug");
    EXPECT_EQ(Run(u"KWStartupIni /InitLang").code, 0);
    EXPECT_EQ(App(u"Lang").Text(), u"Eng");
}

TEST(StartupArguments, SwitchesAndFilesAreReadInOrder) {
    const KWStartupArguments a = KWStartupArguments::Parse(
        {u"x.KWP5", u"/p", u"/T", u"/Crun macro.mcr", u"group.kwgrp5", u"other.txt", u"y.kwp5", u"/I", u"/"});
    EXPECT_EQ(a.projectFile.Text(), u"y.kwp5");
    EXPECT_EQ(a.groupFile.Text(), u"group.kwgrp5");
    EXPECT_FALSE(a.pause); // lower-case letters are no switches
    EXPECT_TRUE(a.hasMacroText);
    EXPECT_EQ(a.macroText.Text(), u"run macro.mcr");
    EXPECT_TRUE(a.outOfSight);
    EXPECT_FALSE(a.messageLog);
    const KWStartupArguments b = KWStartupArguments::Parse({u"/P", u"/B", u"/D", u"x.kwp5"});
    EXPECT_TRUE(b.pause);
    EXPECT_TRUE(b.messageLog);
    EXPECT_TRUE(b.resetLayout);
    EXPECT_EQ(b.projectFile.Text(), u"x.kwp5");
}

} // namespace
