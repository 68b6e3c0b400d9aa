// The remote-run protocol between the studio's receiver and the outside console tool kwxrun, over a
// local socket that only the same user can reach. Each message is a frame: a 32-bit kind and a 32-bit
// length (little-endian), then that many bytes of UTF-8 text.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtEndian>

#include <unistd.h>

#include <optional>

namespace kwxrun {

enum Kind : quint32 {
    kConnect = 1,    // client -> studio: request lines separated by line feeds
    kDisconnect = 2, // client -> studio
    kText = 3,       // studio -> client: a reply to print
    kEnd = 4,        // studio -> client: the connection ends; the text is the exit code in decimal
};

struct Frame {
    quint32 kind;
    QByteArray text;
};

inline QByteArray Encode(quint32 kind, const QByteArray& text) {
    QByteArray frame(8, '\0');
    qToLittleEndian<quint32>(kind, frame.data());
    qToLittleEndian<quint32>(quint32(text.size()), frame.data() + 4);
    return frame + text;
}

// Takes one whole frame off the front of buffer, if one has arrived.
inline std::optional<Frame> Decode(QByteArray& buffer) {
    if (buffer.size() < 8)
        return std::nullopt;
    const quint32 length = qFromLittleEndian<quint32>(buffer.constData() + 4);
    if (quint64(buffer.size()) < 8 + quint64(length))
        return std::nullopt;
    Frame frame{qFromLittleEndian<quint32>(buffer.constData()), buffer.mid(8, qsizetype(length))};
    buffer.remove(0, 8 + qsizetype(length));
    return frame;
}

// $XDG_RUNTIME_DIR/kwstudio-xrun, or a private folder of the user under /tmp when that is not set.
inline QString SocketPath() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) {
        folder = QStringLiteral("/tmp/kwstudio-%1").arg(getuid());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return folder + QStringLiteral("/kwstudio-xrun");
}

} // namespace kwxrun
