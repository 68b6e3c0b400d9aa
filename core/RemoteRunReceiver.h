// The remote-run receiver: one outside console client at a time (kwxrun) sends request lines that
// the studio runs: "/m" and "/s" texts for the command window, "/l" macro files, "/c" command lines.
// Replies go back to the client; the connection ends with an exit code.
#pragma once

#include "core/KWStr.h"

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QPointer>

#include <deque>
#include <map>

class QLocalSocket;

class CKWRemoteRunReceiver : public QObject {
public:
    CKWRemoteRunReceiver();
    ~CKWRemoteRunReceiver() override;

    // The receiver while it exists (KWXRun talks to its client).
    static CKWRemoteRunReceiver* Instance();

    bool Listen();
    QString SocketPath() const;

    // To the connected client: a text to print, or the end of the connection with an exit code.
    void Reply(const CKWStr& text);
    void End(int exitCode);

private:
    void Accept();
    void Read(QLocalSocket* socket);
    void Connect(QLocalSocket* socket, const QByteArray& requests);
    void RunNextLine();
    void RunLine(const CKWStr& line);

    QLocalServer m_server;
    QPointer<QLocalSocket> m_client;
    std::map<QLocalSocket*, QByteArray> m_pending; // what each socket sent that is not a whole frame yet
    std::deque<CKWStr> m_lines;
    bool m_running = false;
};
