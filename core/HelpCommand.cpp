// KWHelp: help topics. The help of a file "<name>.chm" is the HTML folder
// "<install>Doc/Help/<name>_<Lang>/", shown in the desktop's browser; "::/<page>" names a page in it.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWDBAccess.h"
#include "services/KWInstallFolder.h"
#include "services/KWQtText.h"
#include "services/KWShell.h"

#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace {

struct HelpLocation {
    QString folder; // with a trailing "/"
    QString page;   // relative to the folder; empty for its start page
};

// "Main.chm::/a.htm" -> folder ".../Doc/Help/Main_<Lang>/", page "a.htm".
HelpLocation Locate(const QString& file) {
    const qsizetype chm = file.indexOf(QStringLiteral(".chm"), 0, Qt::CaseInsensitive);
    const QString name = chm < 0 ? file : file.left(chm);
    QString page = chm < 0 ? QString() : file.mid(chm + 4);
    if (page.startsWith(QStringLiteral("::")))
        page = page.mid(2);
    while (page.startsWith(u'/'))
        page = page.mid(1);
    const QString language = ToQString(CKWDBAccess::Instance().GetAppStr(u"Lang"));
    return {ToQString(InstallFolder()) + QStringLiteral("Doc/Help/") + name + u'_' + language + u'/', page};
}

void Show(const HelpLocation& location, const QString& keyword = QString()) {
    QString page = location.page.isEmpty() ? QStringLiteral("index.html") : location.page;
    QUrl url;
    if (!keyword.isNull() && QFileInfo::exists(location.folder + QStringLiteral("search.html"))) {
        url = QUrl::fromLocalFile(location.folder + QStringLiteral("search.html"));
        url.setQuery(QUrlQuery{{QStringLiteral("q"), keyword}});
    } else {
        const qsizetype anchor = page.indexOf(u'#');
        url = QUrl::fromLocalFile(location.folder + (anchor < 0 ? page : page.left(anchor)));
        if (anchor >= 0)
            url.setFragment(page.mid(anchor + 1));
    }
    KWShell().Open(ViewOf(url.toString(QUrl::FullyEncoded)));
}

} // namespace

int32_t KWHelpCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.TokenIs(0, u"/WinType")) {
        if (host != nullptr)
            result = host->helpWindowType;
        return 0;
    }
    // A window type given with a topic is remembered like /WinType=; the browser has no use for it.
    if (tokens.FindPrefix(u"/WinType=") >= 0 && host != nullptr)
        host->helpWindowType = tokens.GetOptionValue(u"/WinType=");
    if (tokens.FindPrefix(u"/Topic=") >= 0) {
        Show(Locate(ToQString(tokens.GetOptionValue(u"/Topic="))));
    } else if (tokens.FindPrefix(u"/Sync=") >= 0) {
        Show(Locate(ToQString(tokens.GetOptionValue(u"/Sync="))));
    } else if (const int lookup = tokens.FindPrefix(u"/Lookup="); lookup >= 0) {
        const char16_t* keyword = tokens.GetToken(lookup + 1);
        Show(Locate(ToQString(tokens.GetOptionValue(u"/Lookup="))),
             *keyword != 0 && !StartsWithNoCase(keyword, u"/WinType=") ? ToQString(keyword)
                                                                       : QStringLiteral("??"));
    }
    return 0;
}
