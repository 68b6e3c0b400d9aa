#include "RemoteRunReceiver.h"

#include "MainSock.h"
#include "RemoteRunProtocol.h"

#include "core/KWBusClient.h"
#include "core/KWCommandLine.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWQtText.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

namespace {

CKWRemoteRunReceiver* g_receiver = nullptr;

// Until the command window runs its own lines, a command-window text is run as a command line.
int32_t RunCommandLine(std::u16string_view line, CKWStr& result) {
    const KWCommandLine command = SplitCommandLine(std::u16string(line).c_str());
    return SendForResult(CMainSock::Instance(), command.name.c_str(), command.arguments.c_str(), &result);
}

} // namespace

CKWRemoteRunReceiver::CKWRemoteRunReceiver() {
    g_receiver = this;
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] { Accept(); });
}

CKWRemoteRunReceiver::~CKWRemoteRunReceiver() {
    if (g_receiver == this)
        g_receiver = nullptr;
}

CKWRemoteRunReceiver* CKWRemoteRunReceiver::Instance() { return g_receiver; }

QString CKWRemoteRunReceiver::SocketPath() const { return kwxrun::SocketPath(); }

bool CKWRemoteRunReceiver::Listen() {
    const QString path = SocketPath();
    // A socket file left by a studio that ended without cleaning up would block the name.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(200)) {
        probe.abort();
        return false; // another studio is listening
    }
    QLocalServer::removeServer(path);
    return m_server.listen(path);
}

void CKWRemoteRunReceiver::Accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.erase(socket); });
    }
}

void CKWRemoteRunReceiver::Read(QLocalSocket* socket) {
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    while (const auto frame = kwxrun::Decode(buffer)) {
        if (frame->kind == kwxrun::kConnect)
            Connect(socket, frame->text);
        else if (frame->kind == kwxrun::kDisconnect && socket == m_client)
            m_client = nullptr;
    }
}

void CKWRemoteRunReceiver::Connect(QLocalSocket* socket, const QByteArray& requests) {
    if (m_client != nullptr && m_client != socket) {
        // One client at a time: the one connected so far is told and ended.
        m_client->write(kwxrun::Encode(kwxrun::kText, "Double connection\n"));
        End(1);
    }
    m_client = socket;
    m_lines.clear();
    const CKWStr text = CKWStr::FromUtf8(requests.toStdString());
    const CKWTokenList lines(text.c_str(), u'\n', true, true, true);
    for (int i = 0; i < lines.Count(); ++i)
        if (*lines.GetToken(i) != 0)
            m_lines.emplace_back(lines.GetToken(i));
    if (!m_running) {
        m_running = true;
        QTimer::singleShot(0, this, [this] { RunNextLine(); });
    }
}

// One line per turn of the event loop, so the studio stays responsive and a second client is heard.
void CKWRemoteRunReceiver::RunNextLine() {
    if (m_client == nullptr || m_lines.empty()) {
        m_running = false;
        if (m_client != nullptr)
            End(0);
        return;
    }
    const CKWStr line = m_lines.front();
    m_lines.pop_front();
    RunLine(line);
    QTimer::singleShot(0, this, [this] { RunNextLine(); });
}

void CKWRemoteRunReceiver::RunLine(const CKWStr& line) {
    const std::u16string_view text = line.View();
    const std::u16string_view rest = TrimBlanks(text.substr(2));
    CKWStr result;
    if (StartsWithNoCase(line.c_str(), u"/m")) {
        RunCommandLine(rest, result);
    } else if (StartsWithNoCase(line.c_str(), u"/l")) {
        if (QFileInfo(ToQString(rest)).isFile()) {
            CKWStr macro(u"L ");
            macro += rest;
            CMainSock::Instance()->Send(u"KWSCW", macro.c_str());
        } else {
            CKWStr reply(u"File does not exist. ( ");
            reply += rest;
            reply += u" )";
            Reply(reply);
        }
    } else if (StartsWithNoCase(line.c_str(), u"/c") || StartsWithNoCase(line.c_str(), u"/s")) {
        RunCommandLine(rest, result);
        if (!result.IsEmpty())
            Reply(result);
    }
}

void CKWRemoteRunReceiver::Reply(const CKWStr& text) {
    if (m_client != nullptr)
        m_client->write(kwxrun::Encode(kwxrun::kText, QByteArray::fromStdString(text.ToUtf8())));
}

void CKWRemoteRunReceiver::End(int exitCode) {
    if (m_client == nullptr)
        return;
    m_client->write(kwxrun::Encode(kwxrun::kEnd, QByteArray::number(exitCode)));
    m_client->flush();
    m_client->disconnectFromServer();
    m_client = nullptr;
    m_lines.clear();
}
