// Console mode's line runner: each line of standard input is a command line, sent on the bus; its
// result text is printed, and a failure prints its return code. The end of input closes the studio as
// "KWExit /Silent" does. Questions (KWMsgBox) are asked on the terminal and answered from the same
// input. Ctrl+C counts as Esc (a second one within a second closes the studio).
#pragma once

#include <QByteArray>
#include <QObject>

#include <optional>
#include <string>

class CKWMainApp;
class QSocketNotifier;

class CConsoleRunner : public QObject {
public:
    explicit CConsoleRunner(CKWMainApp& application);
    ~CConsoleRunner() override;

private:
    void ReadInput();
    void RunWaitingLines();
    std::optional<QByteArray> TakeLine();
    // The next line for a question asked while a command runs; nothing at the end of input.
    std::optional<std::string> NextLine();
    void RunLine(const QByteArray& line);
    void Interrupted();

    CKWMainApp& m_application;
    QSocketNotifier* m_input = nullptr;
    QSocketNotifier* m_interrupt = nullptr;
    QByteArray m_pending;
    bool m_inputEnded = false;
    bool m_exitSent = false;
    qint64 m_lastInterrupt = 0;
};
