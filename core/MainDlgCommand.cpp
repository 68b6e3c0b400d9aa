// KWMainDlg: the plug-in manager, the external-tool manager and the version window.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWTokenList.h"

int32_t KWMainDlgCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return -1;
    if (tokens.TokenIs(0, u"/Plugin"))
        return host->Send(u"KWPlugin", u"/Run, AddinPanel.so, KWAddinPanel, /ShowWin");
    if (tokens.TokenIs(0, u"/ExtTool"))
        return host->Send(u"KWPlugin", u"/Run, ToolsPanel.so, KWToolsPanel, /ShowWin");
    if (tokens.TokenIs(0, u"/VersionWin"))
        return -1; // the version window is a panel dialog, which arrives with the panel language
    return 0;
}
