// The studio's front end: the main frame and message boxes on the desktop, or the same frame out of
// sight with messages on the terminal in console mode.
#pragma once

#include "core/MainApp.h"

#include <memory>

class CMultiMainFrame;

class CStudioFrontEnd : public IKWFrontEnd {
public:
    explicit CStudioFrontEnd(bool console);
    ~CStudioFrontEnd() override;
    void SetApplication(CKWMainApp* application) { m_application = application; }
    CMultiMainFrame* Frame() const { return m_frame.get(); }

    void ShowMessage(const CKWStr& caption, const CKWStr& text) override;
    void CreateMainFrame() override;
    void ShowMainFrame(bool outOfSight) override;
    void SaveMainFramePlacement() override;
    void DestroyMainFrame() override;
    void Quit(int status) override;

private:
    bool m_console;
    CKWMainApp* m_application = nullptr;
    std::unique_ptr<CMultiMainFrame> m_frame;
};
