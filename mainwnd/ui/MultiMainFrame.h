// CMultiMainFrame: the main window, a multi-document frame (QMdiArea in the middle) that menus,
// toolbars and docked panes are added to by their own parts. Closing it asks the application, which
// runs the close request and finally destroys the frame.
#pragma once

#include <QMainWindow>

#include <functional>

class QMdiArea;

class CMultiMainFrame : public QMainWindow {
public:
    // closeRequested answers whether the close goes ahead (the staged close then ends the frame).
    explicit CMultiMainFrame(std::function<void()> closeRequested);

    QMdiArea* DocumentArea() const { return m_documents; }
    // The window placement kept in the registry ("WinData" of the product).
    void RestorePlacement();
    void SavePlacement() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* m_documents;
    std::function<void()> m_closeRequested;
};
