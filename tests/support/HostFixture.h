// A test fixture with the host brought up in a temporary home: the bus, the database with its roots,
// the staged dictionary in English with its callbacks, and the host component with its commands. A
// recorder component can take command names before the host registers them, so that tests see what
// the host sends there; the shell and the main window record what they are asked.
#pragma once

#include "support/RecorderSock.h"
#include "support/RecordingShell.h"

#include "core/MainSock.h"
#include "core/MainWindowService.h"
#include "services/KWDBAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct KWRunResult {
    int32_t code;
    std::u16string text;
};

class HostFixture : public testing::Test {
protected:
    // Names the recorder serves in place of the host; override to take some.
    virtual std::vector<const char16_t*> RecordedCommands() const { return {}; }

    void SetUp() override;
    void TearDown() override;

    // Sends a full command line ("<name> <arguments>") as the recorder would, and answers code and text.
    KWRunResult Run(const char16_t* line);
    void SetApp(const char16_t* name, const char16_t* value) const;
    CKWStr App(const char16_t* name) const;

    std::filesystem::path home;
    CKWDBAccess& db = CKWDBAccess::Instance();
    std::unique_ptr<CRecorderSock> recorder;
    std::unique_ptr<CMainSock> host;
    std::shared_ptr<std::vector<CRecordingShell::Call>> shellCalls;
    int closeRequests = 0;

private:
    class MainWindow : public IMainWindowService {
    public:
        explicit MainWindow(int& requests) : m_requests(requests) {}
        void PostClose() override { ++m_requests; }
        void CloseForGood() override {}

    private:
        int& m_requests;
    };
    std::unique_ptr<MainWindow> m_mainWindow;
};
