// KWMainPost: the staged close. Each stage schedules the next with a one-shot timer of 100 ms, so that
// the work other components queued runs in between; "/KWClose" marks a close of the application, which
// ends with the application notifications and the main window closing for good.
#include "HostCommands.h"
#include "MainSock.h"
#include "MainWindowService.h"

#include "core/KWBusClient.h"
#include "core/KWTokenList.h"

namespace {

void Schedule(CMainSock& host, const char16_t* stage, const CKWStr& project, bool closingApplication) {
    CKWStr timer(u"0,100,KWMainPost ");
    timer += stage;
    if (!project.IsEmpty()) {
        timer += u",";
        timer += project.View();
    }
    if (closingApplication)
        timer += u",/KWClose";
    host.Send(u"KWTimerEvent", timer.c_str());
}

} // namespace

int32_t KWMainPostCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return -1;
    const CKWTokenList tokens(arguments, 0, u',');
    const bool closingApplication = tokens.FindToken(u"/KWClose") >= 0;
    const CKWStr project = tokens.TokenIs(1, u"/KWClose") ? CKWStr() : CKWStr(tokens.GetToken(1));
    // Open projects are queried, pre-closed, paused and closed by the project stages once projects
    // exist; until then these stages only lead on to the next.
    if (tokens.TokenIs(0, u"/PreCloseProject")) {
        Schedule(*host, u"/PauseCloseProject", project, closingApplication);
    } else if (tokens.TokenIs(0, u"/PauseCloseProject")) {
        Schedule(*host, u"/CloseProject", project, closingApplication);
    } else if (tokens.TokenIs(0, u"/CloseProject")) {
        if (closingApplication)
            Schedule(*host, u"/PreCloseApp", CKWStr(), false);
    } else if (tokens.TokenIs(0, u"/PreCloseApp")) {
        host->Send(u"KWNotifyPreCloseApp", u"");
        Schedule(*host, u"/CloseApp", CKWStr(), false);
    } else if (tokens.TokenIs(0, u"/CloseApp")) {
        host->Send(u"KWNotifyCloseApp", u"");
        Post(host, u"KWMainPost", u"/PostCloseApp");
    } else if (tokens.TokenIs(0, u"/PostCloseApp")) {
        host->Send(u"KWNotifyPostCloseApp", u"");
        if (IMainWindowService* mainWindow = MainWindowService())
            mainWindow->CloseForGood();
    } else {
        return -1;
    }
    return 0;
}
