// KWGui: panel dialogs, views and the phase check.
#include "HostCommands.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWDBAccess.h"

int32_t KWGuiCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.TokenIs(0, u"/CheckPhase")) {
        const CKWStr phase = CKWDBAccess::Instance().GetAppStr(u"CurPhase");
        result = u"NG";
        for (int i = 1; i < tokens.Count(); ++i)
            if (EqualsNoCase(tokens.GetToken(i), phase.c_str()))
                result = u"OK";
        return 0;
    }
    // Panel dialogs, views and docked windows arrive with their windows; until then they fail.
    if (tokens.TokenIs(0, u"/OpenDialog") || tokens.TokenIs(0, u"/ShowView") ||
        tokens.TokenIs(0, u"/HideView") || tokens.TokenIs(0, u"/CancelLastDockWin"))
        return -1;
    return 0;
}
