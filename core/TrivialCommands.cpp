// The commands that do nothing on purpose, and the stand-in for commands whose feature is not there.
#include "HostCommands.h"

#include "core/KWStr.h"

int32_t KWNotBuiltCommand(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    return -1;
}

// KWDebug and KWCWin.
int32_t KWDoNothingCommand(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    return 0;
}
