#include "KWRegistry.h"

#include "KWQtText.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// "Software\Corvane\A\B" -> "A/B"; a path outside "Software\Corvane" keeps all its parts.
QString GroupOf(const char16_t* keyPath) {
    QString path = ToQString(keyPath);
    path.replace(u'\\', u'/');
    const QString prefix = QStringLiteral("Software/Corvane/");
    if (path.startsWith(prefix, Qt::CaseInsensitive))
        path = path.mid(prefix.size());
    return path;
}

} // namespace

QString CKWRegistry::FilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvane/registry.ini");
}

CKWStr CKWRegistry::GetString(const char16_t* keyPath, const char16_t* name, const char16_t* fallback) {
    QSettings settings(FilePath(), QSettings::IniFormat);
    settings.beginGroup(GroupOf(keyPath));
    const QString value = settings.value(ToQString(name), ToQString(fallback)).toString();
    return ToKWStr(value);
}

bool CKWRegistry::SetString(const char16_t* keyPath, const char16_t* name, const char16_t* value) {
    QDir().mkpath(QFileInfo(FilePath()).absolutePath());
    QSettings settings(FilePath(), QSettings::IniFormat);
    settings.beginGroup(GroupOf(keyPath));
    settings.setValue(ToQString(name), ToQString(value));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void CKWRegistry::DeleteKey(const char16_t* keyPath) {
    QSettings settings(FilePath(), QSettings::IniFormat);
    settings.remove(GroupOf(keyPath));
    settings.sync();
}
