// kwstudio: the studio. "--console" runs it without a display: the same start-up with the main window
// out of sight (as the switch /I) on Qt's offscreen platform, command lines read from standard input.
#include "ConsoleRunner.h"
#include "mainwnd/ui/StudioFrontEnd.h"

#include "core/MainApp.h"
#include "services/KWScriptEngine.h"

#include <QApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// The offscreen platform reports window features it does not have, and Qt notes a missing runtime
// folder that it replaces itself; on a terminal that is noise.
void ConsoleMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.contains(QStringLiteral("does not support")) ||
                                 message.contains(QStringLiteral("XDG_RUNTIME_DIR not set"))))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv) {
    // The script engine comes first, before the application object: window definitions compile their
    // scripts as their windows are made. Without it every script does nothing and windows show defaults.
    CKWScriptEngine::Instance().Load();

    bool console = false;
    std::vector<CKWStr> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--console") == 0)
            console = true;
        else
            arguments.push_back(CKWStr::FromUtf8(argv[i]));
    }
    if (console) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        arguments.push_back(CKWStr(u"/I"));
        qInstallMessageHandler(&ConsoleMessages);
    }
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false); // the staged close ends the studio

    CStudioFrontEnd frontEnd(console);
    CKWMainApp studio(frontEnd);
    frontEnd.SetApplication(&studio);
    if (const int status = studio.Start(arguments); status != 0)
        return status;
    std::unique_ptr<CConsoleRunner> runner;
    if (console)
        runner = std::make_unique<CConsoleRunner>(studio);
    const int status = application.exec();
    runner.reset();
    studio.End();
    return status;
}
