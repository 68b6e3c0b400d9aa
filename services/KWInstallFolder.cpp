#include "KWInstallFolder.h"

#include "KWDBAccess.h"

#include "core/KWModuleFolder.h"
#include "core/KWUnicode.h"

CKWStr InstallFolder() {
    CKWStr stored = CKWDBAccess::Instance().GetAppStr(u"InstallPath");
    if (!stored.IsEmpty())
        return stored;
    std::string folder = ProgramFolder();
    const auto slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
    return CKWStr::FromUtf8(folder + "/");
}
