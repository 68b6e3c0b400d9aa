// The desktop's shell: xdg-open for documents, folders and addresses; the freedesktop file manager
// interface over D-Bus for showing a file, falling back to opening its folder.
#include "KWQtText.h"
#include "KWShell.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace {

class CKWDesktopShell : public IKWShell {
public:
    bool Open(std::u16string_view target) override {
        return !target.empty() && QProcess::startDetached(QStringLiteral("xdg-open"), {ToQString(target)});
    }

    bool Run(std::u16string_view program, const std::vector<std::u16string>& arguments) override {
        QStringList list;
        for (const auto& argument : arguments)
            list << ToQString(argument);
        return !program.empty() && QProcess::startDetached(ToQString(program), list);
    }

    bool ShowInFolder(std::u16string_view file) override {
        const QFileInfo info(ToQString(file));
        const QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded);
        QProcess dbus;
        dbus.start(QStringLiteral("dbus-send"),
                   {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                    QStringLiteral("--dest=org.freedesktop.FileManager1"),
                    QStringLiteral("/org/freedesktop/FileManager1"),
                    QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                    QStringLiteral("array:string:") + uri, QStringLiteral("string:")});
        if (dbus.waitForFinished(3000) && dbus.exitStatus() == QProcess::NormalExit && dbus.exitCode() == 0)
            return true;
        return Open(ViewOf(info.absolutePath()));
    }
};

std::unique_ptr<IKWShell>& Current() {
    static std::unique_ptr<IKWShell> shell = std::make_unique<CKWDesktopShell>();
    return shell;
}

} // namespace

IKWShell& KWShell() { return *Current(); }

void SetKWShell(std::unique_ptr<IKWShell> shell) {
    Current() = shell != nullptr ? std::move(shell) : std::make_unique<CKWDesktopShell>();
}
