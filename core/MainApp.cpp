#include "MainApp.h"

#include "AppFolders.h"
#include "EventLoop.h"
#include "MainSock.h"
#include "RemoteRunReceiver.h"
#include "StartupFile.h"
#include "TimerCommands.h"

#include "core/KWBusClient.h"
#include "core/KWText.h"
#include "project/ProjectManager.h"
#include "services/KWDBAccess.h"
#include "services/KWFolders.h"
#include "services/KWInstallFolder.h"
#include "services/KWStrDic.h"

namespace {

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

void SetAppInt(const char16_t* name, int32_t value) { Db().SetInt(Db().Root(KWRoot::App), name, value); }

} // namespace

CKWMainApp::CKWMainApp(IKWFrontEnd& frontEnd) : m_frontEnd(frontEnd) {}

CKWMainApp::~CKWMainApp() { End(); }

int CKWMainApp::Start(const std::vector<CKWStr>& arguments) {
    // The host component first: it opens the bus and registers the host's commands.
    m_host = std::make_unique<CMainSock>();
    m_host->Attach();
    ConnectBusToEventLoop();
    SetMainWindowService(this);
    const CKWStr pointer = CKWStr::FromUtf8(std::to_string(reinterpret_cast<uintptr_t>(&m_currentProjectId)));
    SendAnonymous(m_host.get(), u"KWSetProjectIDPointer", pointer.c_str());

    // The database and its roots, with the host component's name as owner text.
    CKWDBAccess& db = CKWDBAccess::Instance();
    if (db.LoadLibrary())
        db.CreateDatabase(m_host->name.c_str());

    WriteApplicationFolders();
    SetAppInt(u"WinInitState", 0);
    db.SetValue(db.Root(KWRoot::App), u"InstallFolderDefinition", InstallFolderDefinition().c_str());

    // The services offered by name, in their fixed order (those whose features exist).
    CKWStrDic::RegisterCallbacks(db);
    CKWProjectManager::RegisterCallbacks(db);
    RegisterTimerCallbacks(db);

    SetAppInt(u"ProjectGroupInitializing", 0);
    SetAppInt(u"KWCloseQuietly", 0);
    SetAppInt(u"InhibitThread", 0);
    EstablishUserIdentity();

    m_arguments = KWStartupArguments::Parse(arguments);
    const CKWStr productName(u"Kilnworks Studio");
    if (m_arguments.pause)
        m_frontEnd.ShowMessage(productName, CKWStr(u"Startup pause."));

    // The start-up file chooses the language, loads the dictionary and fills the start-up lists.
    const std::string startupFile = StartupFilePath();
    const auto file = CKWStartupFile::Read(startupFile);
    if (!file) {
        CKWStr message(u"File read error:\n");
        message += CKWStr::FromUtf8(startupFile).View();
        m_frontEnd.ShowMessage(productName, message);
        return 1;
    }
    file->Apply(InstallFolder());
    ApplyLanguage(*file);
    CKWStrDic::Instance().SetMissingReporter([this](const CKWStr& line) {
        if (m_host != nullptr)
            m_host->Send(u"KWAddCmdLog", line.c_str());
    });
    const int32_t general = db.GetKeyId(u"\\DB_Customize\\Customize\\General", true);
    db.SetValue(general, u"Reset", db.GetStr(general, u"Reset").c_str());
    if (m_arguments.messageLog || !file->Value(u"MsgLogFileOut").IsEmpty())
        m_host->Send(u"KWMsgLog", u"/Start");

    // The main frame; the component libraries are added while it is created.
    m_frontEnd.CreateMainFrame();
    AddComponentLibraries();

    m_host->Send(u"KWNotifyOpenApp", u"");
    m_host->Send(u"KWNotifyInitApp", u"");
    m_host->Send(u"KWNotifyPostInitApp", u"");
    m_frontEnd.ShowMainFrame(m_arguments.outOfSight);

    SetAppInt(u"WinInitState", 1);
    CKWStr product = db.GetAppStr(u"ProductName");
    product += u" Version ";
    product += db.GetAppStr(u"Ver").View();
    product += u" (";
    product += db.GetAppStr(u"BuildTime").View();
    product += u")";
    m_host->Send(u"KWAddCmdLog", product.c_str());
    m_host->Send(u"KWAddCmdLog", db.GetAppStr(u"Copyright").c_str());
    m_receiver = std::make_unique<CKWRemoteRunReceiver>();
    m_receiver->Listen();
    return 0;
}

void CKWMainApp::AddComponentLibraries() {
    const CKWDBAccess& db = Db();
    for (const int32_t entry : db.GetKeyIdList(db.GetKeyId(u"\\DB_Startup\\DLLList")))
        SendAnonymous(m_host.get(), u"KWAddDLLComponent", db.GetStr(entry, u"Name").c_str());
    for (const int32_t entry : db.GetKeyIdList(db.GetKeyId(u"\\DB_Customize\\PluginList"))) {
        const CKWStr on = db.GetStr(entry, u"On");
        if (on.IsEmpty() || Equals(on.c_str(), u"0"))
            continue;
        CKWStr library = db.GetStr(entry, u"File");
        if (library.IsEmpty()) {
            library = InstallFolder();
            library += u"Bin/";
            library += db.GetStr(entry, u"Title").View();
            library += u".so";
        }
        SendAnonymous(m_host.get(), u"KWAddDLLComponent", library.c_str());
    }
    m_host->Send(u"KWEndAddDLLComponent", u"");
}

// The user may be asked whether to leave (a setting of the customisation). Without a message box to
// ask with, the studio closes rather than staying open for good.
bool CKWMainApp::AskToExit() {
    const CKWDBAccess& db = Db();
    const int32_t general = db.GetKeyId(u"\\DB_Customize\\Customize\\General");
    const bool debugPhase = EqualsNoCase(db.GetAppStr(u"CurPhase").c_str(), u"Debug");
    const CKWStr ask = db.GetStr(general, debugPhase ? u"ExitDBG" : u"ExitKW");
    if (ask.IsEmpty() || Equals(ask.c_str(), u"0") || EqualsNoCase(ask.c_str(), u"false"))
        return true;
    CKWStr question(u"/QUESTION,/YesNo,\"");
    question += CKWStrDic::Instance()
                    .Translate(debugPhase ? u"Do_you_want_to_exit_debug_mode" : u"DLGMSG_EXITKW")
                    .View();
    question += u"\"";
    CKWStr answer;
    const int32_t code = m_host->Send(u"KWMsgBox", question.c_str(), &answer);
    const bool cannotAsk = code < 0 || (code == 2 && answer.IsEmpty());
    return cannotAsk || EqualsNoCase(answer.c_str(), u"Yes");
}

bool CKWMainApp::CloseRequested() {
    if (m_closing || m_host == nullptr)
        return true;
    const bool quietly =
        Db().GetInt(Db().Root(KWRoot::App), u"KWCloseQuietly", 0) != 0 || m_arguments.outOfSight;
    if (!quietly && !AskToExit())
        return false;
    m_closing = true;
    if (!m_arguments.outOfSight)
        m_frontEnd.SaveMainFramePlacement();
    SetAppInt(u"InhibitThread", 1);
    m_host->Send(u"KWNotifyCloseAllThread", u"/KWClose");
    m_host->Send(u"KWMainPost", u"/PreCloseProject,/KWClose");
    return true;
}

void CKWMainApp::PostClose() {
    KWEventLoop().PostTask([this] { CloseRequested(); });
}

void CKWMainApp::CloseForGood() {
    KWEventLoop().PostTask([this] {
        m_frontEnd.DestroyMainFrame();
        End();
        m_frontEnd.Quit(0);
    });
}

void CKWMainApp::End() {
    if (m_ended || m_host == nullptr)
        return;
    m_ended = true;
    CKWStrDic::Instance().SetMissingReporter(nullptr);
    m_host->Send(u"KWBuildFunc", u"/CloseAllThread");
    m_receiver.reset();
    SendAnonymous(m_host.get(), u"KWCloseAllSock", u"");
    CKWProjectManager::Instance().Clear();
    if (MainWindowService() == this)
        SetMainWindowService(nullptr);
    m_host.reset();
    CKWDBAccess::Instance().FreeDatabase();
}
