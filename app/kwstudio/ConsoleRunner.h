// Console mode's line runner: each line of standard input is a command line, sent on the bus; its
// result text is printed, and a failure prints its return code. The end of input closes the studio as
// "KWExit /Silent" does. Ctrl+C counts as Esc (a second one within a second closes the studio).
#pragma once

#include <QByteArray>
#include <QObject>

class CKWMainApp;
class QSocketNotifier;

class CConsoleRunner : public QObject {
public:
    explicit CConsoleRunner(CKWMainApp& application);
    ~CConsoleRunner() override;

private:
    void ReadInput();
    void RunLine(const QByteArray& line);
    void Interrupted();

    CKWMainApp& m_application;
    QSocketNotifier* m_input = nullptr;
    QSocketNotifier* m_interrupt = nullptr;
    QByteArray m_pending;
    qint64 m_lastInterrupt = 0;
};
