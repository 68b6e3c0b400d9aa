#include "ConsoleRunner.h"

#include "core/KWBusClient.h"
#include "core/KWCommandLine.h"
#include "core/MainApp.h"
#include "core/MainSock.h"
#include "core/MessagePump.h"
#include "services/KWTerminalPrompt.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

int g_interruptPipe[2] = {-1, -1};

void OnInterrupt(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_interruptPipe[1], &byte, 1); // safe in a signal handler
}

void Print(const CKWStr& text) {
    std::fputs(text.ToUtf8().c_str(), stdout);
    if (!text.IsEmpty() && text.Text().back() != u'\n')
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

CConsoleRunner::CConsoleRunner(CKWMainApp& application) : m_application(application) {
    m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_input, &QSocketNotifier::activated, this, [this] { ReadInput(); });
    SetKWPrompt(std::make_unique<CKWTerminalPrompt>([this] { return NextLine(); },
                                                    [](const std::string& text) {
                                                        std::fputs(text.c_str(), stdout);
                                                        std::fflush(stdout);
                                                    }));
    if (pipe2(g_interruptPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_interrupt = new QSocketNotifier(g_interruptPipe[0], QSocketNotifier::Read, this);
        connect(m_interrupt, &QSocketNotifier::activated, this, [this] { Interrupted(); });
        struct sigaction action {};
        action.sa_handler = &OnInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, nullptr);
    }
}

CConsoleRunner::~CConsoleRunner() {
    signal(SIGINT, SIG_DFL);
    SetKWPrompt(nullptr);
}

// Reads what has arrived; answers false at the end of input.
static bool ReadMore(QByteArray& pending) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        pending.append(buffer, got);
        return true;
    }
}

void CConsoleRunner::ReadInput() {
    if (!m_inputEnded && !ReadMore(m_pending))
        m_inputEnded = true;
    RunWaitingLines();
}

std::optional<QByteArray> CConsoleRunner::TakeLine() {
    qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        if (!m_inputEnded || m_pending.isEmpty())
            return std::nullopt;
        end = m_pending.size(); // the last line needs no line feed
    }
    const QByteArray line = m_pending.left(end);
    m_pending.remove(0, end + 1);
    return line;
}

void CConsoleRunner::RunWaitingLines() {
    while (const auto line = TakeLine())
        RunLine(*line);
    if (m_inputEnded && !m_exitSent) {
        m_exitSent = true;
        m_input->setEnabled(false);
        RunLine("KWExit /Silent");
    }
}

std::optional<std::string> CConsoleRunner::NextLine() {
    for (;;) {
        if (const auto line = TakeLine())
            return line->toStdString();
        if (m_inputEnded)
            return std::nullopt;
        if (!ReadMore(m_pending))
            m_inputEnded = true;
    }
}

void CConsoleRunner::RunLine(const QByteArray& raw) {
    const QByteArray line = raw.trimmed();
    CMainSock* host = m_application.Host();
    if (line.isEmpty() || host == nullptr)
        return;
    const CKWStr text = CKWStr::FromUtf8(line.toStdString());
    const KWCommandLine command = SplitCommandLine(text.c_str());
    CKWStr result;
    const int32_t code = SendForResult(host, command.name.c_str(), command.arguments.c_str(), &result);
    Print(result);
    if (code < 0)
        std::printf("error %d\n", code), std::fflush(stdout);
}

void CConsoleRunner::Interrupted() {
    char bytes[16];
    while (read(g_interruptPipe[0], bytes, sizeof bytes) > 0) {
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastInterrupt < 1000) {
        RunLine("KWExit /Silent");
        return;
    }
    m_lastInterrupt = now;
    CKWMessagePump::Instance().EscPressed();
}
