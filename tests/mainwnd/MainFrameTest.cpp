// The main frame on the offscreen platform: it comes up with the studio, and its close request runs
// the closing order to the end of the application.
#include "support/RecorderSock.h"

#include "core/MainApp.h"
#include "mainwnd/ui/MultiMainFrame.h"
#include "mainwnd/ui/StudioFrontEnd.h"
#include "services/KWRegistry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {

TEST(MainFrame, ComesUpAndClosesInTheClosingOrder) {
    int argc = 1;
    char name[] = "main_frame_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);

    CStudioFrontEnd frontEnd(false);
    CKWMainApp studio(frontEnd);
    frontEnd.SetApplication(&studio);
    ASSERT_EQ(studio.Start({}), 0);
    CMultiMainFrame* frame = frontEnd.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(frame->DocumentArea(), nullptr);
    QDir().mkpath(KW_SCREENSHOT_DIR);
    EXPECT_TRUE(frame->grab().save(QStringLiteral(KW_SCREENSHOT_DIR "/main-frame.png")));

    CRecorderSock recorder(u"CloseWatcher");
    for (const char16_t* notification :
         {u"KWNotifyCloseAllThread", u"KWNotifyPreCloseApp", u"KWNotifyCloseApp", u"KWNotifyPostCloseApp"})
        ASSERT_TRUE(recorder.Subscribe(notification));
    CRecorderSock::Journal().clear();
    QTimer::singleShot(0, frame, [frame] { frame->close(); });
    QTimer::singleShot(20000, &application, [] { QCoreApplication::exit(99); }); // a close that hangs fails
    EXPECT_EQ(application.exec(), 0);
    EXPECT_EQ(CRecorderSock::Journal(), (std::vector<std::u16string>{u"CloseWatcher:KWNotifyCloseAllThread",
                                                                     u"CloseWatcher:KWNotifyPreCloseApp",
                                                                     u"CloseWatcher:KWNotifyCloseApp",
                                                                     u"CloseWatcher:KWNotifyPostCloseApp"}));
    EXPECT_EQ(recorder.records.front().arguments, u"/KWClose");
    EXPECT_EQ(frontEnd.Frame(), nullptr); // destroyed for good
    EXPECT_FALSE(
        CKWRegistry::GetString(u"Software\\Corvane\\Kilnworks\\Studio5\\WinData", u"Placement").IsEmpty());
}

} // namespace
