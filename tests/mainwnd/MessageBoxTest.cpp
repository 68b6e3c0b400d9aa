// A built message box on the offscreen platform: its layout, a screenshot, and Enter and Esc.
#include "mainwnd/ui/MessageBoxDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>

namespace {

KWMessageBoxRequest BoxWithEverything() {
    KWMessageBoxRequest request;
    request.message = u"The project has been modified.\nDo you want to save the project?";
    request.caption = u"Kilnworks Studio";
    request.icon = KWMessageBoxRequest::Icon::Question;
    request.buttons = {CKWStr(u"Yes(&Y)"), CKWStr(u"No(&N)"), CKWStr(u"Cancel(&C)")};
    request.fields = {{true, CKWStr(u"a note"), false}, {false, CKWStr(u"Do not ask again"), true}};
    return request;
}

TEST(MessageBox, BuiltBoxHoldsItsButtonsSideBySideAndAnswersEnterAndEsc) {
    int argc = 1;
    char name[] = "message_box_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    CMessageBoxDialog dialog(BoxWithEverything());
    dialog.show();
    QApplication::processEvents();
    QDir().mkpath(KW_SCREENSHOT_DIR);
    EXPECT_TRUE(dialog.grab().save(QStringLiteral(KW_SCREENSHOT_DIR "/message-box.png")));

    ASSERT_EQ(dialog.Buttons().size(), 3u);
    const QRect box = dialog.rect();
    for (std::size_t i = 0; i < dialog.Buttons().size(); ++i) {
        const QRect button = dialog.Buttons()[i]->geometry();
        EXPECT_TRUE(box.contains(button)) << "button " << i;
        EXPECT_GT(button.width(), 0);
        for (std::size_t k = i + 1; k < dialog.Buttons().size(); ++k)
            EXPECT_FALSE(button.intersects(dialog.Buttons()[k]->geometry())) << i << " and " << k;
    }
    EXPECT_EQ(dialog.Buttons()[0]->text(), QStringLiteral("&Yes"));

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    EXPECT_EQ(dialog.Answer().button, 0); // "Yes" answers Enter
    ASSERT_EQ(dialog.Answer().values.size(), 2u);
    EXPECT_EQ(dialog.Answer().values[0].Text(), u"a note");
    EXPECT_EQ(dialog.Answer().values[1].Text(), u"ON");

    dialog.show();
    dialog.reject();
    EXPECT_EQ(dialog.Answer().button, 2); // Esc: the cancel button
}

} // namespace
