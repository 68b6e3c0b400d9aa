// The timer and message-pump services offered in the callback registry, and their forms.
#pragma once

#include <cstdint>

class CKWDBAccess;

using KWTimerFunction = void (*)(int32_t argument);
using KWProcessMessagesProc = void (*)();
using KWProcessMessageBreakProc = void (*)();
using KWCheckEscKeyProc = int32_t (*)();
using KWAddTimerEventProc = int32_t (*)(KWTimerFunction function, int32_t interval, int32_t argument);
using KWDeleteTimerEventProc = void (*)(int32_t timerId);

// Offers "KWProcessMessages", "KWAddTimerEvent", "KWDeleteTimerEvent", "KWCheckEscKey" and
// "KWProcessMessageBreak".
void RegisterTimerCallbacks(const CKWDBAccess& db);
