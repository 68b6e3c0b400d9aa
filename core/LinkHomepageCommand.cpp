// LinkHomepage: the maker's product, download and support pages in the desktop's browser. The
// addresses are build configuration.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWHomepages.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWShell.h"

int32_t LinkHomepageCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return -1;
    CKWStr language;
    host->Send(u"KWStr", u"/GetLang", &language);
    const bool japanese = EqualsNoCase(language.c_str(), u"jpn");
    const CKWTokenList tokens(arguments, 0, u',');
    const char16_t* address = nullptr;
    if (tokens.TokenIs(0, u"/LinkHomepage"))
        address = japanese ? KW_HOMEPAGE_PRODUCT_JPN : KW_HOMEPAGE_PRODUCT_ENG;
    else if (tokens.TokenIs(0, u"/LinkDownload"))
        address = japanese ? KW_HOMEPAGE_DOWNLOAD_JPN : KW_HOMEPAGE_DOWNLOAD_ENG;
    else if (tokens.TokenIs(0, u"/SupportHomepage"))
        address = japanese                                 ? KW_HOMEPAGE_SUPPORT_JPN
                  : EqualsNoCase(language.c_str(), u"eng") ? KW_HOMEPAGE_SUPPORT_ENG
                                                           : KW_HOMEPAGE_SUPPORT_CHN;
    if (address != nullptr)
        KWShell().Open(address);
    return 0;
}
