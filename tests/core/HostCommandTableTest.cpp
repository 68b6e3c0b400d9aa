// The host component's registrations as the bus lists them: 54 commands of group KWMain with their
// kinds and usage texts, in the fixed order, and the 27 notifications.
#include "support/HostFixture.h"

#include "core/HostCommandTable.h"
#include "core/KWTokenList.h"

#include <map>
#include <string>
#include <vector>

namespace {

const std::vector<std::pair<std::u16string, int>> kExpectedCommands = {
    {u"KWDebugLayout", 1},
    {u"ToolBarCustomize", 1},
    {u"KWProcessMessage", 1},
    {u"KWTimerEvent", 1},
    {u"KWEscKeyDownEvent", 1},
    {u"KWMainMenu", 1},
    {u"KWMainMenuOpenProject", 1},
    {u"KWProject", 1},
    {u"KWProjectGroup", 1},
    {u"KWMsgBox", 2},
    {u"KWFolder", 2},
    {u"KWDB", 1},
    {u"KWWin", 1},
    {u"KWGui", 1},
    {u"KWWinPerspective", 1},
    {u"KWDebug", 1},
    {u"KWShortcut", 1},
    {u"KWFont", 1},
    {u"KWStr", 1},
    {u"KWPrjSrcFile", 1},
    {u"KWFileEncode", 1},
    {u"KWPathMacro", 1},
    {u"KWSearchPath", 1},
    {u"SPATH", 2},
    {u"SPATHC", 2},
    {u"KWSearchFile", 1},
    {u"KWEditorKeyword", 1},
    {u"KWSetMainTitle", 1},
    {u"KWStatusBar", 1},
    {u"KWExit", 1},
    {u"KWToolBar", 1},
    {u"KWToolBarImage", 1},
    {u"KWStartupIni", 1},
    {u"KWMainPost", 0},
    {u"KWCWin", 2},
    {u"KWRunApp", 1},
    {u"KWPlugin", 1},
    {u"KWExtTool", 1},
    {u"KWMainDlg", 1},
    {u"KWHelp", 1},
    {u"KWOpenPDF", 1},
    {u"LinkHomepage", 1},
    {u"KWINet", 1},
    {u"KWDipFile", 1},
    {u"KWWebFile", 1},
    {u"KWWebNews", 1},
    {u"KWSupportLog", 1},
    {u"KWStdFileExt", 1},
    {u"KWDbgWin", 1},
    {u"KWSampleFile", 1},
    {u"KWGetVersion", 1},
    {u"KWGuid", 1},
    {u"KWXRun", 1},
    {u"KWStrDiff", 1},
};

using HostCommandTable = HostFixture;

TEST_F(HostCommandTable, BusListsEveryHostCommandWithItsKindAndUsage) {
    ASSERT_EQ(HostCommands().size(), kExpectedCommands.size());
    for (std::size_t i = 0; i < kExpectedCommands.size(); ++i)
        EXPECT_EQ(std::u16string(HostCommands()[i].name), kExpectedCommands[i].first) << "position " << i + 1;

    const KWRunResult listing = Run(u"KWListCmd");
    ASSERT_EQ(listing.code, 0);
    std::map<std::u16string, std::pair<std::u16string, int>> listed; // name -> group, kind
    const CKWTokenList lines(listing.text.c_str(), u'\n', true, true, true);
    for (int i = 0; i < lines.Count(); ++i) {
        const CKWTokenList fields(lines.GetToken(i), u'\t', true, true, true);
        listed[fields.GetToken(0)] = {fields.GetToken(1), int(fields.GetTokenNumber(2))};
    }
    int hostCommands = 0;
    for (const auto& [name, entry] : listed)
        hostCommands += entry.first == u"KWMain";
    EXPECT_EQ(hostCommands, 54);
    for (const auto& [name, kind] : kExpectedCommands) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        ASSERT_EQ(listed.count(name), 1u);
        EXPECT_EQ(listed[name].first, u"KWMain");
        EXPECT_EQ(listed[name].second, kind);
    }
    EXPECT_EQ(Run(u"KWListCmd /Help,KWDebugLayout").text, u"ToolBarCustomize");
    EXPECT_EQ(Run(u"KWListCmd /Help,KWExit").text, u"KWExit\nKWExit /Silent");
    EXPECT_EQ(Run(u"KWListCmd /Help,KWGuid").text, u"KWGuid [/Gen] => <GUID>");
}

TEST_F(HostCommandTable, HostOffersItsNotificationsAndServesNothingByNumber) {
    ASSERT_EQ(HostNotifications().size(), 27u);
    EXPECT_EQ(std::u16string(HostNotifications().front().name), u"KWNotifyOpenApp");
    EXPECT_EQ(std::u16string(HostNotifications().back().name), u"KWNotifyCloseAllThread");
    ASSERT_TRUE(recorder->Subscribe(u"KWNotifyOpenApp"));
    EXPECT_EQ(Run(u"KWNotifyOpenApp").code, 0);
    EXPECT_EQ(recorder->records.size(), 1u);
    EXPECT_EQ(Run(u"KWNotifyCloseAllThread").code, 0); // offered, nobody subscribed
    EXPECT_EQ(Run(u"ToolBarCustomize").code, -1);      // reaches CMainSock::Receive
    const KWRunResult notBuilt = Run(u"KWProject /CurProj");
    EXPECT_EQ(notBuilt.code, -1);
    EXPECT_TRUE(notBuilt.text.empty());
}

} // namespace
