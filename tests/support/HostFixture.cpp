#include "HostFixture.h"
#include "TestHome.h"

#include "core/KWBusClient.h"
#include "core/KWCommandLine.h"
#include "core/KWModuleFolder.h"
#include "services/KWStrDic.h"

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

void HostFixture::SetUp() {
    home = UseNewTestHome();
    ASSERT_FALSE(home.empty());

    ASSERT_TRUE(db.LoadLibrary());
    ASSERT_TRUE(db.CreateDatabase(u"KWX5Main"));
    SetApp(u"Lang", u"Eng");
    CKWStrDic& dictionary = CKWStrDic::Instance();
    ASSERT_TRUE(dictionary.LoadFile(ProgramFolder() + "/../conf/KWStrDic.tsv", u"Eng"));
    CKWStrDic::RegisterCallbacks(db);

    auto shell = std::make_unique<CRecordingShell>();
    shellCalls = shell->calls;
    SetKWShell(std::move(shell));
    m_mainWindow = std::make_unique<MainWindow>(closeRequests);
    SetMainWindowService(m_mainWindow.get());

    recorder = std::make_unique<CRecorderSock>(u"Recorder");
    for (const char16_t* name : RecordedCommands())
        ASSERT_TRUE(recorder->Serve(name));
    host = std::make_unique<CMainSock>();
    host->Attach();
    dictionary.SetMissingReporter([this](const CKWStr& line) { host->Send(u"KWAddCmdLog", line.c_str()); });
}

void HostFixture::TearDown() {
    CKWStrDic::Instance().SetMissingReporter(nullptr);
    SendAnonymous(host.get(), u"KWCloseAllSock", u"");
    host.reset();
    recorder.reset();
    SetMainWindowService(nullptr);
    SetKWShell(nullptr);
    db.FreeDatabase();
    fs::remove_all(home);
}

KWRunResult HostFixture::Run(const char16_t* line) {
    const KWCommandLine command = SplitCommandLine(line);
    CKWStr result;
    const int32_t code =
        SendForResult(recorder.get(), command.name.c_str(), command.arguments.c_str(), &result);
    return {code, result.Text()};
}

void HostFixture::SetApp(const char16_t* name, const char16_t* value) const {
    db.SetValue(db.Root(KWRoot::App), name, value);
}

CKWStr HostFixture::App(const char16_t* name) const { return db.GetAppStr(name); }
