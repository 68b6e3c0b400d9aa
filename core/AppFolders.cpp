#include "AppFolders.h"

#include "services/KWDBAccess.h"
#include "services/KWInstallFolder.h"
#include "services/KWQtText.h"
#include "services/KWRegistry.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {

constexpr char16_t kProductFolder[] = u"KilnworksStudio5";

QString Below(const QString& base) {
    return QDir::cleanPath(base + QStringLiteral("/Corvane/") + ToQString(kProductFolder)) + u'/';
}

CKWStr ConfKey() {
    CKWStr key(kKWProductRegistryKey);
    key += u"\\Conf";
    return key;
}

} // namespace

void WriteApplicationFolders() {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    const int32_t app = db.Root(KWRoot::App);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QStringList shared = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString userDir = Below(documents);
    QDir().mkpath(userDir + QStringLiteral("project"));
    db.SetValue(app, u"AppName", u"kwstudio");
    db.SetValue(app, u"CompanyName", u"Corvane");
    db.SetValue(app, u"InstallPath", InstallFolder().c_str());
    db.SetValue(app, u"UserDir", ToKWStr(userDir).c_str());
    db.SetValue(app, u"AppDataDir",
                ToKWStr(Below(shared.size() > 1 ? shared.value(1) : shared.value(0))).c_str());
    db.SetValue(
        app, u"MyAppDataDir",
        ToKWStr(Below(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))).c_str());
}

void EstablishUserIdentity() {
    const CKWStr conf = ConfKey();
    if (CKWRegistry::GetString(conf.c_str(), u"UserName").IsEmpty()) {
        QString user = qEnvironmentVariable("USER");
        if (user.isEmpty())
            user = QStringLiteral("User1");
        CKWRegistry::SetString(conf.c_str(), u"UserName", ToKWStr(user).c_str());
    }
    CKWStr upid = CKWRegistry::GetString(u"Software\\Corvane\\NetHub", u"UPID");
    if (upid.IsEmpty())
        upid = CKWRegistry::GetString(conf.c_str(), u"UPID");
    if (upid.IsEmpty())
        upid = ToKWStr(QString::number(QDateTime::currentMSecsSinceEpoch(), 16));
    CKWRegistry::SetString(conf.c_str(), u"UPID", upid.c_str());
}
