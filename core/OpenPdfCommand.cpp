// KWOpenPDF: open a PDF manual, by file name or by document code for the current project's family.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWCallbacks.h"
#include "services/KWDBAccess.h"
#include "services/KWInstallFolder.h"
#include "services/KWPath.h"
#include "services/KWQtText.h"
#include "services/KWShell.h"
#include "services/KWStrDic.h"

#include <QFileInfo>

namespace {

// Document codes and the dictionary names of their file names, completed by the manual family.
const struct {
    const char16_t* code;
    const char16_t* prefix;
} kDocuments[] = {
    {u"INST", u"PDF_INST_"},    {u"ASM", u"PDF_ASM_"},        {u"CC_LANG", u"PDF_C_LANG_"},
    {u"CC_LIB", u"PDF_C_LIB_"}, {u"CC_USAGE", u"PDF_C_OPE_"}, {u"ECP_USAGE", u"PDF_ECP_"},
};

const struct {
    const char16_t* series;
    const char16_t* family;
} kFamilies[] = {{u"KM8", u"KM8"}, {u"KM16", u"KM16"}, {u"KM32", u"KM32"}};

// The manual family of a device series. The mixed series "KMX" has manuals per CPU core.
CKWStr ManualFamily(const CKWStr& series, CMainSock& host) {
    for (const auto& entry : kFamilies)
        if (EqualsNoCase(series.c_str(), entry.series))
            return entry.family;
    if (EqualsNoCase(series.c_str(), u"KMX")) {
        CKWStr core;
        host.Send(u"KWGetEnvTxtItem", u"CPU CORE", &core);
        return EqualsNoCase(core.c_str(), u"S") ? u"KM16" : u"KM32";
    }
    return series;
}

CKWStr ProjectSeries(int32_t projectId) {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    return db.GetStr(db.ProjectTop(u"GetCurrentDBProjTop", projectId), u"ProjSeries");
}

QString FindManual(const CKWStr& file) {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    for (const CKWStr& folder : {db.GetAppStr(u"AppDataDir"), InstallFolder()}) {
        if (folder.IsEmpty())
            continue;
        CKWStr manual(u"Doc/PDF/");
        manual += file.View();
        const QString path = ToQString(kwpath::Join(folder.View(), manual.View()));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace

std::vector<CKWStr> ManualDictionaryNames() {
    std::vector<CKWStr> names;
    for (const auto& document : kDocuments) {
        for (const auto& family : kFamilies) {
            CKWStr name(document.prefix);
            name += family.family;
            names.push_back(name);
        }
    }
    return names;
}

int32_t KWOpenPDFCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 1, u',');
    const char16_t* name = tokens.GetToken(0);
    if (!StartsWithNoCase(name, u"@@@@")) {
        KWShell().Open(name);
        return 0;
    }
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return -1;
    QString manual;
    for (const auto& document : kDocuments) {
        if (!EqualsNoCase(name + 4, document.code))
            continue;
        CKWStr dictionaryName(document.prefix);
        dictionaryName += ManualFamily(ProjectSeries(projectId), *host).View();
        const auto file = CKWStrDic::Instance().Lookup(dictionaryName.View());
        if (file)
            manual = FindManual(CKWStr(*file));
    }
    if (!manual.isEmpty()) {
        KWShell().Open(ViewOf(manual));
        return 0;
    }
    CKWStr message(u"/ERROR,\"File not found. \n"
                   u"Please install the manuals with PDF File Installer (KWX5_PDF_5_x_x_x_xxx.exe).\",\"");
    message += CKWDBAccess::Instance().GetAppStr(u"ProductName").View();
    message += u"\",\"OK\"";
    host->Send(u"KWMsgBox", message.c_str());
    return 0;
}
