#include "StudioFrontEnd.h"

#include "MultiMainFrame.h"
#include "QtPrompt.h"
#include "services/KWHandleRegistry.h"
#include "services/KWQtText.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

CStudioFrontEnd::CStudioFrontEnd(bool console) : m_console(console) {
    if (!console)
        SetKWPrompt(std::make_unique<CKWQtPrompt>()); // the console sets its terminal prompt itself
}
CStudioFrontEnd::~CStudioFrontEnd() = default;

void CStudioFrontEnd::ShowMessage(const CKWStr& caption, const CKWStr& text) {
    if (m_console) {
        std::fprintf(stderr, "%s: %s\n", caption.ToUtf8().c_str(), text.ToUtf8().c_str());
        return;
    }
    QMessageBox::information(nullptr, ToQString(caption), ToQString(text), QMessageBox::Ok);
}

void CStudioFrontEnd::CreateMainFrame() {
    m_frame = std::make_unique<CMultiMainFrame>([this] {
        if (m_application != nullptr)
            m_application->CloseRequested();
    });
    CKWHandleRegistry::Instance().SetRole(KWHandleRole::MainWindow, m_frame.get());
    CKWHandleRegistry::Instance().SetRole(KWHandleRole::Instance, QCoreApplication::instance());
}

void CStudioFrontEnd::ShowMainFrame(bool outOfSight) {
    if (m_frame == nullptr)
        return;
    if (outOfSight)
        m_frame->move(10000, 10000); // out of sight, size unchanged; no layout is restored
    else
        m_frame->RestorePlacement();
    m_frame->show();
}

void CStudioFrontEnd::SaveMainFramePlacement() {
    if (m_frame != nullptr)
        m_frame->SavePlacement();
}

void CStudioFrontEnd::DestroyMainFrame() { m_frame.reset(); }

void CStudioFrontEnd::Quit(int status) { QCoreApplication::exit(status); }
