// KWDebugLayout: a shortcut to perspective operations, for testing layouts.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWTokenList.h"

int32_t KWDebugLayoutCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    static const struct {
        const char16_t* word;
        const char16_t* perspectiveArguments;
    } kWords[] = {
        {u"Save", u"/Save,AAAA"},
        {u"Save2", u"/Save,BBBB"},
        {u"Save3", u"/Save,CCCC"},
        {u"Load", u"/Load,AAAA"},
        {u"Load2", u"/Load,BBBB"},
        {u"Load3", u"/Load,CCCC"},
        {u"DesignMode", u"/ChangePhase,Design"},
        {u"DebugMode", u"/ChangePhase,Debug"},
        {u"Reset", u"/Reset"},
    };
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    CMainSock* host = CMainSock::Instance();
    for (const auto& entry : kWords)
        if (tokens.FindToken(entry.word) >= 0)
            return host != nullptr ? host->Send(u"KWWinPerspective", entry.perspectiveArguments, &result)
                                   : -1;
    return 0;
}
