// CKWMainApp: the application object. It brings the studio up in the fixed start-up order, runs the
// close request and the end of the application, and owns the host component, the database and the
// remote-run receiver. What needs a display (message boxes, the main frame) it asks of its front end,
// so the whole sequence also runs, and is tested, without one.
#pragma once

#include "MainWindowService.h"
#include "StartupArguments.h"

#include <cstdint>
#include <memory>
#include <vector>

class CMainSock;
class CKWRemoteRunReceiver;

class IKWFrontEnd {
public:
    virtual ~IKWFrontEnd() = default;
    // A message with an OK button, waiting for the user (or written to the terminal).
    virtual void ShowMessage(const CKWStr& caption, const CKWStr& text) = 0;
    virtual void CreateMainFrame() = 0;
    virtual void ShowMainFrame(bool outOfSight) = 0;
    virtual void SaveMainFramePlacement() = 0;
    virtual void DestroyMainFrame() = 0;
    // Leaves the event loop with the program's exit status.
    virtual void Quit(int status) = 0;
};

class CKWMainApp : public IMainWindowService {
public:
    explicit CKWMainApp(IKWFrontEnd& frontEnd);
    ~CKWMainApp() override;

    // Runs the start-up with the program's arguments; 0 when the studio is up, else the exit status.
    int Start(const std::vector<CKWStr>& arguments);
    const KWStartupArguments& Arguments() const { return m_arguments; }
    CMainSock* Host() const { return m_host.get(); }

    // The close request of the main window (its close button, KWExit): unless the studio closes
    // quietly, the questions; then the staged close. False when the user kept the studio open.
    bool CloseRequested();
    void PostClose() override;
    void CloseForGood() override;
    // The end of the application: components, windows and the database go, in this order.
    void End();

private:
    bool AskToExit();
    void AddComponentLibraries();

    IKWFrontEnd& m_frontEnd;
    std::unique_ptr<CMainSock> m_host;
    std::unique_ptr<CKWRemoteRunReceiver> m_receiver;
    KWStartupArguments m_arguments;
    int32_t m_currentProjectId = 0;
    bool m_closing = false;
    bool m_ended = false;
};
