// The host's small commands through the bus: command line in, return code and result out.
#include "support/HostFixture.h"

#include "core/KWText.h"
#include "core/KWUnicode.h"
#include "services/KWCallbacks.h"
#include "services/KWInstallFolder.h"

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

namespace {

class SmallCommands : public HostFixture {
protected:
    std::vector<const char16_t*> RecordedCommands() const override {
        return {u"KWWinPerspective", u"KWPlugin", u"KWMsgBox", u"KWAddCmdLog", u"KWGetEnvTxtItem"};
    }
    std::u16string LastArguments(const char16_t* command) const {
        for (auto it = recorder->records.rbegin(); it != recorder->records.rend(); ++it)
            if (it->command == command)
                return it->arguments;
        return u"<not sent>";
    }
    std::u16string LastShell() const {
        return shellCalls->empty() ? u"<none>" : shellCalls->back().kind + u" " + shellCalls->back().target;
    }
};

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST_F(SmallCommands, GuidIsGeneratedOnlyWhenAskedAndIsAValidUuid) {
    EXPECT_EQ(Run(u"KWGuid").text, u"");
    EXPECT_EQ(Run(u"KWGuid /other").text, u"");
    const KWRunResult guid = Run(u"KWGuid /gen");
    ASSERT_EQ(guid.code, 0);
    ASSERT_EQ(guid.text.size(), 36u);
    EXPECT_EQ(std::count(guid.text.begin(), guid.text.end(), u'-'), 4);
    EXPECT_NE(Run(u"KWGuid /Gen").text, guid.text);
    const std::string check = "python3 -c \"import uuid,sys; u=uuid.UUID('" + Narrow(guid.text) +
                              "'); sys.exit(0 if str(u).upper()=='" + Narrow(guid.text) + "' else 1)\"";
    if (std::system("python3 -c 'import uuid' 2>/dev/null") == 0) {
        EXPECT_EQ(std::system(check.c_str()), 0) << Narrow(guid.text);
    }
}

TEST_F(SmallCommands, VersionTextJoinsTheApplicationValues) {
    SetApp(u"ProductName", u"Kilnworks Studio");
    SetApp(u"Copyright", u"(c) Corvane");
    SetApp(u"BuildTime", u"X");
    EXPECT_EQ(Run(u"KWGetVersion").text, u"Kilnworks Studio (X)\n(c) Corvane");
    SetApp(u"Ver", u"5.0.1");
    EXPECT_EQ(Run(u"KWGetVersion").text, u"Kilnworks Studio Version 5.0.1 (X)\n(c) Corvane");
    SetApp(u"BuildTime", u"");
    EXPECT_EQ(Run(u"KWGetVersion").text, u"Kilnworks Studio Version 5.0.1\n(c) Corvane");
}

TEST_F(SmallCommands, ExitStoresWhetherToCloseQuietlyAndAsksTheMainWindowToClose) {
    const struct {
        const char16_t* line;
        const char16_t* quietly;
    } cases[] = {
        {u"KWExit /SILENT", u"1"}, {u"KWExit", u"0"}, {u"KWExit /Quiet", u"0"}, {u"KWExit /silent", u"1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.line));
        EXPECT_EQ(Run(c.line).code, 0);
        EXPECT_EQ(App(u"KWCloseQuietly").Text(), c.quietly);
    }
    EXPECT_EQ(closeRequests, 4);
}

TEST_F(SmallCommands, DebugLayoutSendsTheFirstKnownWordToThePerspectives) {
    EXPECT_EQ(Run(u"KWDebugLayout x,Load2").code, 0);
    EXPECT_EQ(LastArguments(u"KWWinPerspective"), u"/Load,BBBB");
    Run(u"KWDebugLayout Reset,DebugMode");
    EXPECT_EQ(LastArguments(u"KWWinPerspective"), u"/ChangePhase,Debug"); // in the order of the words
    recorder->records.clear();
    EXPECT_EQ(Run(u"KWDebugLayout nothing,known").code, 0);
    EXPECT_TRUE(recorder->records.empty());
}

TEST_F(SmallCommands, WinAnswersHandlesMemoryAndShellFolders) {
    EXPECT_EQ(Run(u"KWWin /GetMainHandle").text, u"0x0"); // no main window yet
    const std::u16string used = Run(u"KWWin /memoryused").text;
    EXPECT_TRUE(std::regex_match(Narrow(used), std::regex("[1-9][0-9]*MB"))) << Narrow(used);
    const std::string memory = Narrow(Run(u"KWWin /Memory").text);
    EXPECT_TRUE(std::regex_match(memory, std::regex("[0-9]+%\nTotalPhys=[0-9]+MB\nAvailPhys=[0-9]+MB\n"
                                                    "TotalPageFile=[0-9]+MB\nAvailPageFile=[0-9]+MB\n"
                                                    "TotalVirtual=[0-9]+MB\nAvailVirtual=[0-9]+MB\n"
                                                    "UsedVirtual=[0-9]+MB")))
        << memory;
    EXPECT_NE(memory.find("UsedVirtual=" + Narrow(used)), std::string::npos);
    Run(u"KWWin /OpenExplorer,/tmp");
    EXPECT_EQ(LastShell(), u"open /tmp");
    Run(u"KWWin /OpenExplorerSelect,/tmp/file.c");
    EXPECT_EQ(LastShell(), u"show /tmp/file.c");
    Run(u"KWWin /ActivatedWin,0x1F");
    EXPECT_EQ(host->activatedWindow, 31u);
    EXPECT_EQ(Run(u"KWWin /Show").code, 0);
    EXPECT_EQ(Run(u"KWWin /Unknown").code, 0);
}

TEST_F(SmallCommands, GuiChecksThePhase) {
    SetApp(u"CurPhase", u"Debug");
    EXPECT_EQ(Run(u"KWGui /CheckPhase,Design,debug").text, u"OK");
    EXPECT_EQ(Run(u"KWGui /CheckPhase,Design").text, u"NG");
    EXPECT_EQ(Run(u"KWGui /CheckPhase").text, u"NG");
    EXPECT_EQ(Run(u"KWGui /Whatever").code, 0);
    EXPECT_EQ(Run(u"KWDebug anything").code, 0);
    EXPECT_EQ(Run(u"KWCWin anything").code, 0);
}

TEST_F(SmallCommands, EditorKeywordsAreSetReplacedAndRead) {
    EXPECT_EQ(Run(u"KWEditorKeyword /SetAll, c:if,else;asm:mov").code, 0);
    EXPECT_EQ(Run(u"KWEditorKeyword /GetAll").text, u"c:if,else;asm:mov");
    EXPECT_EQ(Run(u"KWEditorKeyword /Get,C").text, u"if,else");
    Run(u"KWEditorKeyword /Set,ASM:mov,add");
    Run(u"KWEditorKeyword /Set,cpp:class");
    EXPECT_EQ(Run(u"KWEditorKeyword /GetAll").text, u"c:if,else;asm:mov,add;cpp:class");
    EXPECT_EQ(Run(u"KWEditorKeyword /Get,none").text, u"");
}

TEST_F(SmallCommands, HelpOpensTheLanguagesHtmlFolder) {
    SetApp(u"InstallPath", u"/opt/kw/");
    EXPECT_EQ(Run(u"KWHelp /Topic=Main.chm::/a.htm").code, 0);
    EXPECT_EQ(LastShell(), u"open file:///opt/kw/Doc/Help/Main_Eng/a.htm");
    SetApp(u"Lang", u"Jpn");
    Run(u"KWHelp /Topic=Main.CHM");
    EXPECT_EQ(LastShell(), u"open file:///opt/kw/Doc/Help/Main_Jpn/index.html");
    Run(u"KWHelp /WinType=Floating");
    EXPECT_EQ(Run(u"KWHelp /WinType").text, u"Floating");
    Run(u"KWHelp /Sync=Main.chm::/b.htm#part,/WinType=Docked");
    EXPECT_EQ(LastShell(), u"open file:///opt/kw/Doc/Help/Main_Jpn/b.htm#part");
    EXPECT_EQ(Run(u"KWHelp /WinType").text, u"Docked");
}

int32_t g_projectTop = 0;
int32_t ProjectTop(int32_t) { return g_projectTop; }

TEST_F(SmallCommands, OpenPdfFindsTheManualOfTheProjectsFamilyOrSaysItIsMissing) {
    EXPECT_EQ(Run(u"KWOpenPDF /docs/manual.pdf").code, 0);
    EXPECT_EQ(LastShell(), u"open /docs/manual.pdf");

    EXPECT_EQ(Run(u"KWOpenPDF @@@@INST").code, 0);
    EXPECT_NE(LastArguments(u"KWMsgBox").find(u"File not found. \nPlease install the manuals"),
              std::u16string::npos);

    g_projectTop = db.AddKey(db.Root(KWRoot::Proj), u"Demo");
    db.SetValue(g_projectTop, u"ProjSeries", u"KM16");
    db.SetCallbackFunc(u"GetCurrentDBProjTop",
                       reinterpret_cast<void*>(static_cast<KWGetCurrentDBTopProc>(&ProjectTop)));
    SetApp(u"InstallPath", (Utf8ToUtf16(home.string()) + u"/").c_str());
    std::filesystem::create_directories(home / "Doc/PDF");
    std::ofstream(home / "Doc/PDF/KM16_Assembler_Reference.pdf") << "%PDF";
    EXPECT_EQ(Run(u"KWOpenPDF @@@@ASM").code, 0);
    EXPECT_EQ(LastShell(), u"open " + Utf8ToUtf16((home / "Doc/PDF/KM16_Assembler_Reference.pdf").string()));
}

TEST_F(SmallCommands, HomepageFollowsTheLanguage) {
    SetApp(u"Lang", u"jpn");
    Run(u"LinkHomepage /LinkHomepage");
    EXPECT_EQ(LastShell(), u"open https://jp.kilnworks.example/studio/");
    SetApp(u"Lang", u"Chn");
    Run(u"LinkHomepage /SupportHomepage");
    EXPECT_EQ(LastShell(), u"open https://support.kilnworks.example/zh/");
    Run(u"LinkHomepage /LinkDownload");
    EXPECT_EQ(LastShell(), u"open https://www.kilnworks.example/studio/download/");
}

TEST_F(SmallCommands, MainDlgRunsThePanelPlugins) {
    Run(u"KWMainDlg /Plugin");
    EXPECT_EQ(LastArguments(u"KWPlugin"), u"/Run, AddinPanel.so, KWAddinPanel, /ShowWin");
    Run(u"KWMainDlg /exttool");
    EXPECT_EQ(LastArguments(u"KWPlugin"), u"/Run, ToolsPanel.so, KWToolsPanel, /ShowWin");
    EXPECT_EQ(Run(u"KWMainDlg /Other").code, 0);
}

} // namespace
