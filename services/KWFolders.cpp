#include "KWFolders.h"

#include "KWCallbacks.h"
#include "KWDBAccess.h"
#include "KWInstallFolder.h"
#include "KWPath.h"
#include "KWQtText.h"

#include "core/KWBusClient.h"
#include "core/KWText.h"
#include "core/MainSock.h"

#include <QStandardPaths>

namespace {

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

// The built-in compiler's folder from the build component; empty without one.
CKWStr CompilerFolder(int32_t projectId) {
    CKWStr path;
    if (CMainSock* host = CMainSock::Instance())
        if (SendForResult(host, u"KWBuildSet", u"/GetBuiltinCCPath", &path, projectId) < 0)
            path.Clear();
    return kwpath::WithoutTrailingSeparator(path.View());
}

} // namespace

CKWStr ProjectDir(int32_t projectId) {
    return Db().GetStr(Db().ProjectTop(u"GetCurrentDBProjTop", projectId), u"ProjDir");
}

CKWStr ProjectFolder(int32_t projectId) {
    CKWStr folder = projectId > 0 ? ProjectDir(projectId) : CKWStr();
    if (folder.IsEmpty())
        folder = Db().GetStr(Db().Root(KWRoot::Proj), u"CurProjDir");
    if (folder.IsEmpty())
        folder = Db().GetAppStr(u"UserDir");
    return folder;
}

std::optional<CKWStr> WellKnownFolder(const char16_t* name, int32_t projectId) {
    if (name == nullptr || *name == 0 || EqualsNoCase(name, u"Project"))
        return ProjectFolder(projectId);
    const struct {
        const char16_t* name;
        const char16_t* value; // of \DB_APP
    } kAppFolders[] = {{u"User", u"UserDir"},
                       {u"Appdata", u"AppDataDir"},
                       {u"MyAppdata", u"MyAppDataDir"},
                       {u"Install", u"InstallPath"}};
    for (const auto& folder : kAppFolders)
        if (EqualsNoCase(name, folder.name))
            return Db().GetAppStr(folder.value);
    if (EqualsNoCase(name, u"ProjectGroup"))
        return Db().GetStr(Db().Root(KWRoot::ProjGrp), u"Dir");
    if (EqualsNoCase(name, u"Bin"))
        return kwpath::Join(Db().GetAppStr(u"InstallPath").View(), u"Bin");
    const struct {
        const char16_t* name;
        const char16_t* suffix;
    } kCompilerFolders[] = {{u"CCBin", u"/Bin"}, {u"CCInclude", u"/Include"}, {u"CCLib", u"/Lib"}};
    for (const auto& folder : kCompilerFolders) {
        if (EqualsNoCase(name, folder.name)) {
            CKWStr path = CompilerFolder(projectId);
            path += folder.suffix;
            return path;
        }
    }
    return std::nullopt;
}

CKWStr InstallFolderDefinition() {
    const CKWStr install = kwpath::WithTrailingSeparator(InstallFolder().View());
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // The system's own folders of the other platform have these counterparts here.
    const std::pair<const char16_t*, CKWStr> pairs[] = {
        {u"$(Install)", install},
        {u"$(Bin)", kwpath::Join(install.View(), u"Bin")},
        {u"$(Doc)", kwpath::Join(install.View(), u"Doc/")},
        {u"$(Tool)", kwpath::Join(install.View(), u"Tool/")},
        {u"$(Plugin)", kwpath::Join(install.View(), u"Plugin/")},
        {u"$(User)", Db().GetAppStr(u"UserDir")},
        {u"$(AppData)", Db().GetAppStr(u"AppDataDir")},
        {u"$(MyAppData)", Db().GetAppStr(u"MyAppDataDir")},
        {u"$(Windows)", CKWStr(u"/usr/")},
        {u"$(System)", CKWStr(u"/usr/lib/")},
        {u"$(Desktop)", kwpath::WithTrailingSeparator(ViewOf(desktop))},
    };
    CKWStr definition;
    for (const auto& [name, value] : pairs) {
        if (!definition.IsEmpty())
            definition += u";";
        definition += name;
        definition += u"=";
        definition += value.View();
    }
    return definition;
}
