// KWFolder: well-known folders opened in the desktop shell or answered, and the folder groups, named
// folders remembered per project (for example the one a file dialog showed last).
#include "KWCallbacks.h"
#include "KWDBAccess.h"
#include "KWFolders.h"
#include "KWPath.h"
#include "KWShell.h"

#include "core/HostCommands.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"

namespace {

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

// The project's FolderGroup key, made when missing; 0 without project settings.
int32_t FolderGroups(int32_t projectId) {
    const int32_t top = Db().ProjectTop(u"GetCurrentDBDftTop", projectId);
    return top != 0 ? Db().GetKeyIdByName(top, u"FolderGroup", true) : 0;
}

// A "$$$<folder>" value is resolved on first read and replaced by the path it found.
CKWStr ReadFolderGroup(const char16_t* group, int32_t projectId) {
    const int32_t groups = FolderGroups(projectId);
    if (groups == 0) {
        const CKWStr groupFolder = Db().GetStr(Db().Root(KWRoot::ProjGrp), u"Dir");
        return !groupFolder.IsEmpty() ? groupFolder : Db().GetAppStr(u"UserDir");
    }
    if (!Db().HasValue(groups, group))
        return {};
    const CKWStr stored = Db().GetStr(groups, group);
    if (!StartsWithNoCase(stored.c_str(), u"$$$"))
        return stored;
    const char16_t* name = stored.c_str() + 3;
    CKWStr path;
    if (EqualsNoCase(name, u"Bin"))
        path = kwpath::Join(Db().GetAppStr(u"InstallPath").View(), u"Bin/");
    else if (EqualsNoCase(name, u"CCBin") || EqualsNoCase(name, u"CCInclude") || EqualsNoCase(name, u"CCLib"))
        path = kwpath::WithTrailingSeparator(WellKnownFolder(name, projectId)->View());
    else if (EqualsNoCase(name, u"Project"))
        path = ProjectDir(projectId);
    else if (const auto folder = WellKnownFolder(name, projectId); folder && *name != 0)
        path = *folder;
    Db().SetValue(groups, group, path.c_str());
    return path;
}

} // namespace

int32_t KWFolderCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    const char16_t* first = tokens.GetToken(0);
    if (*first != u'/') {
        const auto folder = WellKnownFolder(first, projectId);
        if (folder && !folder->IsEmpty())
            KWShell().Open(folder->View());
        return 0;
    }
    if (tokens.TokenIs(0, u"/GetPath")) {
        if (const auto folder = WellKnownFolder(tokens.GetToken(1), projectId))
            result = kwpath::WithoutTrailingSeparator(folder->View());
    } else if (tokens.TokenIs(0, u"/SetFolderGroup")) {
        const int32_t groups = FolderGroups(projectId);
        if (*tokens.GetToken(1) != 0 && groups != 0)
            Db().SetValue(groups, tokens.GetToken(1), tokens.GetToken(2));
    } else if (tokens.TokenIs(0, u"/GetFolderGroup")) {
        result = ReadFolderGroup(tokens.GetToken(1), projectId);
    } else if (tokens.TokenIs(0, u"/GetFolderGroupList")) {
        const int32_t groups = FolderGroups(projectId);
        for (int32_t i = 0; i < Db().GetValueCount(groups); ++i) {
            if (i > 0)
                result += u",";
            result += Db().GetValueNameByIndex(groups, i).View();
        }
    } else {
        return -1;
    }
    return 0;
}
