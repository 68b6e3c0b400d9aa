// The studio as a program: console mode driven through standard input, and kwxrun talking to a
// running studio.
#include "core/KWModuleFolder.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <string>

namespace {

class StudioProcess : public testing::Test {
protected:
    void TearDown() override {
        if (studio.state() != QProcess::NotRunning) {
            studio.closeWriteChannel();
            if (!studio.waitForFinished(20000))
                studio.kill();
        }
    }

    QString Program(const char* name) const { return QString::fromStdString(ProgramFolder()) + "/" + name; }

    void StartStudio() {
        studio.setProcessEnvironment(environment);
        studio.start(Program("kwstudio"), {"--console"});
        ASSERT_TRUE(studio.waitForStarted());
        // Ready when the receiver answers.
        for (int i = 0; i < 200; ++i) {
            const auto [code, out] = XRun({"/c KWDebug"});
            if (code == 0)
                return;
            QThread::msleep(50);
        }
        FAIL() << "the studio did not come up";
    }

    std::pair<int, std::string> XRun(const QStringList& lines) {
        QProcess client;
        client.setProcessEnvironment(environment);
        client.start(Program("kwxrun"), lines);
        client.waitForFinished(30000);
        return {client.exitCode(), client.readAllStandardOutput().toStdString()};
    }

    // The test process's own home folder (see the test main) is the studio's too.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess studio;
};

TEST_F(StudioProcess, ConsoleRunsStandardInputAndEndsAtItsEnd) {
    studio.setProcessEnvironment(environment);
    studio.start(Program("kwstudio"), {"--console"});
    ASSERT_TRUE(studio.waitForStarted());
    studio.write("KWStr /GetLang\nKWDB /VALUE, \\DB_APP, InstallPath\nKWNoSuchCommand\nKWGetVersion\n");
    studio.closeWriteChannel();
    ASSERT_TRUE(studio.waitForFinished(60000));
    const std::string out = studio.readAllStandardOutput().toStdString();
    EXPECT_EQ(studio.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(studio.exitCode(), 0);
    const std::string install = ProgramFolder().substr(0, ProgramFolder().rfind('/') + 1);
    EXPECT_EQ(out, "Eng\n" + install +
                       "\nerror -1\nKilnworks Studio Version 5.0.0\n"
                       "Copyright (C) 2026 Corvane. All rights reserved.\n");
    EXPECT_EQ(studio.readAllStandardError().toStdString(), "");
}

TEST_F(StudioProcess, ConsoleAsksMessageBoxesOnTheTerminal) {
    studio.setProcessEnvironment(environment);
    studio.start(Program("kwstudio"), {"--console"});
    ASSERT_TRUE(studio.waitForStarted());
    studio.write("KWMsgBox /QUESTION,\"Continue?\",,\"yes,no\"\n2\n"
                 "KWMsgBox Name?,,\"OK,Cancel\",\"editbox=me,checkbox=Sure\"\n\ny\n\n");
    studio.closeWriteChannel();
    ASSERT_TRUE(studio.waitForFinished(60000));
    const std::string out = studio.readAllStandardOutput().toStdString();
    EXPECT_NE(out.find("[Kilnworks Studio] Continue?\n  1) yes  2) no\n"), std::string::npos) << out;
    EXPECT_NE(out.find(": no\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\"OK\",\"me\",\"ON\"\n"), std::string::npos) << out;
    EXPECT_EQ(studio.exitCode(), 0);
}

TEST_F(StudioProcess, KWExitEndsTheConsoleWithStatusZero) {
    studio.setProcessEnvironment(environment);
    studio.start(Program("kwstudio"), {"--console"});
    ASSERT_TRUE(studio.waitForStarted());
    studio.write("KWExit\n"); // input stays open: the command alone ends the studio
    ASSERT_TRUE(studio.waitForFinished(60000));
    EXPECT_EQ(studio.exitCode(), 0);
}

TEST_F(StudioProcess, XRunRunsLinesInTheRunningStudio) {
    StartStudio();
    const auto [code, out] = XRun({"/c KWStr /GetLang", "/l missing.mcr", "/c KWXRun puts,hello"});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out, "Eng\nFile does not exist. ( missing.mcr )\nhello\n");
    EXPECT_EQ(XRun({"/c KWXRun exit,7"}).first, 7);
}

TEST_F(StudioProcess, SecondClientEndsTheFirstWithDoubleConnection) {
    StartStudio();
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(Program("kwxrun"));
    ASSERT_TRUE(first.waitForStarted());
    QByteArray lines = "/c KWXRun puts,started\n";
    for (int i = 0; i < 100000; ++i)
        lines += "/c KWDebug\n"; // keeps the first client connected for a while
    first.write(lines);
    first.closeWriteChannel();
    while (!first.readAllStandardOutput().contains("started"))
        ASSERT_TRUE(first.waitForReadyRead(30000));
    const auto [code, out] = XRun({"/c KWStr /GetLang"});
    EXPECT_EQ(out, "Eng\n");
    EXPECT_EQ(code, 0);
    ASSERT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.readAllStandardOutput().toStdString(), "Double connection\n");
    EXPECT_EQ(first.exitCode(), 1);
}

TEST_F(StudioProcess, XRunSaysSoWhenNoStudioRuns) {
    QProcess client;
    client.setProcessEnvironment(environment);
    client.start(Program("kwxrun"), {"/c KWGetVersion"});
    ASSERT_TRUE(client.waitForFinished(10000));
    EXPECT_EQ(client.exitCode(), 2);
    EXPECT_NE(client.readAllStandardError().indexOf("no Kilnworks Studio is running"), -1);
}

} // namespace
