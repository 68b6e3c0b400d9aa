// kwxrun: runs request lines in the running studio and prints its replies.
//
//     kwxrun ["/c <command line>" | "/m <text>" | "/s <text>" | "/l <macro file>"]...
//
// Without arguments the lines are read from standard input. The exit status is the one the studio ends
// the connection with; 2 when no studio is running.
#include "core/RemoteRunProtocol.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList lines = application.arguments().mid(1);
    if (lines.isEmpty()) {
        QTextStream input(stdin);
        for (QString line = input.readLine(); !line.isNull(); line = input.readLine())
            lines << line;
    }
    const QString path = kwxrun::SocketPath();
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(3000)) {
        std::fprintf(stderr, "kwxrun: no Kilnworks Studio is running (nothing listens at %s)\n",
                     qPrintable(path));
        return 2;
    }
    socket.write(kwxrun::Encode(kwxrun::kConnect, lines.join(u'\n').toUtf8()));
    socket.flush();
    QByteArray buffer;
    for (;;) {
        while (const auto frame = kwxrun::Decode(buffer)) {
            if (frame->kind == kwxrun::kText) {
                std::fwrite(frame->text.constData(), 1, std::size_t(frame->text.size()), stdout);
                if (!frame->text.endsWith('\n'))
                    std::fputc('\n', stdout);
                std::fflush(stdout);
            } else if (frame->kind == kwxrun::kEnd) {
                return frame->text.toInt();
            }
        }
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0) {
            std::fprintf(stderr, "kwxrun: the studio closed the connection\n");
            return 1;
        }
        socket.waitForReadyRead(1000);
        buffer += socket.readAll();
    }
}
