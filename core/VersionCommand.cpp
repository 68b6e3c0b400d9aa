// KWGetVersion: the product's version text from the application values.
#include "HostCommands.h"

#include "services/KWDBAccess.h"

int32_t KWGetVersionCommand(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    const CKWDBAccess& db = CKWDBAccess::Instance();
    const CKWStr version = db.GetAppStr(u"Ver"), buildTime = db.GetAppStr(u"BuildTime");
    result = db.GetAppStr(u"ProductName");
    result += u" ";
    if (!version.IsEmpty()) {
        result += u"Version ";
        result += version.View();
    }
    if (!buildTime.IsEmpty()) {
        if (result.Text().back() != u' ')
            result += u" ";
        result += u"(";
        result += buildTime.View();
        result += u")";
    }
    result += u"\n";
    result += db.GetAppStr(u"Copyright").View();
    return 0;
}
