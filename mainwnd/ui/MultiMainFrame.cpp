#include "MultiMainFrame.h"

#include "services/KWQtText.h"
#include "services/KWRegistry.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace {

CKWStr WinDataKey() {
    CKWStr key(kKWProductRegistryKey);
    key += u"\\WinData";
    return key;
}

} // namespace

CMultiMainFrame::CMultiMainFrame(std::function<void()> closeRequested)
    : m_documents(new QMdiArea(this)), m_closeRequested(std::move(closeRequested)) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Kilnworks Studio"));
    m_documents->setViewMode(QMdiArea::TabbedView);
    m_documents->setTabsClosable(true);
    setCentralWidget(m_documents);
    resize(1280, 800);
}

void CMultiMainFrame::RestorePlacement() {
    const CKWStr saved = CKWRegistry::GetString(WinDataKey().c_str(), u"Placement");
    if (!saved.IsEmpty())
        restoreGeometry(QByteArray::fromBase64(ToQString(saved).toLatin1()));
}

void CMultiMainFrame::SavePlacement() const {
    const QString placement = QString::fromLatin1(saveGeometry().toBase64());
    CKWRegistry::SetString(WinDataKey().c_str(), u"Placement", ToKWStr(placement).c_str());
}

void CMultiMainFrame::closeEvent(QCloseEvent* event) {
    // The frame goes only at the end of the staged close, which the application runs.
    event->ignore();
    if (m_closeRequested)
        m_closeRequested();
}
