// KWXRun: the macro side of the remote-run protocol.
#include "HostCommands.h"
#include "RemoteRunReceiver.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"

int32_t KWXRunCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    CKWRemoteRunReceiver* receiver = CKWRemoteRunReceiver::Instance();
    const CKWTokenList tokens(arguments, 2, u',');
    if (receiver == nullptr)
        return -10;
    if (tokens.TokenIs(0, u"end")) {
        receiver->End(0);
    } else if (tokens.TokenIs(0, u"exit")) {
        const char16_t* end = nullptr;
        const int32_t code = ParseLong(tokens.GetToken(1), 0, &end);
        receiver->End(*end == 0 ? code : 0);
    } else if (tokens.TokenIs(0, u"puts")) {
        receiver->Reply(CKWStr(tokens.GetToken(1)));
    } else {
        return -10;
    }
    return 0;
}
