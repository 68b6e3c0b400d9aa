// KWTimerEvent, KWEscKeyDownEvent and KWProcessMessage, and the same services as callbacks.
#include "TimerCommands.h"
#include "HostCommands.h"
#include "MainSock.h"
#include "MessagePump.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWDBAccess.h"

namespace {

// A number as wcstol reads it with radix 0, consumed completely; -1 otherwise.
int32_t NumberOr(const char16_t* text) {
    const char16_t* end = nullptr;
    const int32_t number = ParseLong(text, 0, &end);
    return *text != 0 && *end == 0 ? number : -1;
}

} // namespace

// "[/Repeat,] <id>, <interval>, <command line>", the listing and query forms, and /stop, /enable,
// /disable. The command line is the rest of the text as written, commas and quotes included.
int32_t KWTimerEventCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId,
                            int32_t requester) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return 0;
    CKWTimerList& timers = host->timers;
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.Count() == 0) {
        for (const CKWTimerList::Timer& timer : timers.Timers()) {
            result.AppendInt(timer.id);
            result += u",";
            result += CKWTimerList::Describe(timer).View();
            result += u"\n";
        }
        return 0;
    }
    const int32_t id = NumberOr(tokens.GetToken(0));
    if (tokens.Count() == 1) {
        if (const CKWTimerList::Timer* timer = timers.Find(requester, id))
            result = CKWTimerList::Describe(*timer);
        return 0;
    }
    if (tokens.Count() == 2) {
        if (tokens.TokenIs(1, u"/stop"))
            timers.Stop(requester, id);
        else if (tokens.TokenIs(1, u"/enable"))
            timers.Enable(requester, id, true);
        else if (tokens.TokenIs(1, u"/disable"))
            timers.Enable(requester, id, false);
        return 0;
    }
    const bool repeat = tokens.TokenIs(0, u"/Repeat");
    const CKWTokenList fields(arguments, repeat ? 4 : 3, u',');
    const int first = repeat ? 1 : 0;
    timers.AddCommand(requester, NumberOr(fields.GetToken(first)), projectId,
                      NumberOr(fields.GetToken(first + 1)), repeat, CKWStr(fields.GetToken(first + 2)));
    return 0;
}

int32_t KWEscKeyDownEventCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t,
                                 int32_t requester) {
    result.Clear();
    CMainSock* host = CMainSock::Instance();
    if (host == nullptr)
        return 0;
    CKWEscKeyEvents& events = host->escEvents;
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.Count() == 0) {
        for (const CKWEscKeyEvents::Event& event : events.Events()) {
            result.AppendInt(event.id);
            result += u",";
            result += CKWEscKeyEvents::Describe(event).View();
            result += u"\n";
        }
        return 0;
    }
    const int32_t id = NumberOr(tokens.GetToken(0));
    if (tokens.Count() == 1) {
        if (const CKWEscKeyEvents::Event* event = events.Find(requester, id))
            result = CKWEscKeyEvents::Describe(*event);
        return 0;
    }
    if (tokens.TokenIs(1, u"/stop")) {
        events.Stop(requester, id);
    } else if (tokens.TokenIs(1, u"/enable") || tokens.TokenIs(1, u"/disable")) {
        if (CKWEscKeyEvents::Event* event = events.Find(requester, id))
            event->disabled = tokens.TokenIs(1, u"/disable");
    } else {
        const CKWTokenList fields(arguments, 3, u',');
        events.Add(requester, id, CKWStr(fields.GetToken(1)), CKWStr(fields.GetToken(2)));
    }
    return 0;
}

int32_t KWProcessMessageCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    CKWMessagePump& pump = CKWMessagePump::Instance();
    if (tokens.TokenIs(0, u"/Break")) {
        pump.RequestBreak();
        return 0;
    }
    if (tokens.TokenIs(0, u"/EscCheck")) {
        const bool pressed = pump.CheckEscKey();
        result = pressed ? u"true" : u"false";
        return pressed ? 1 : 0;
    }
    pump.Pump();
    return 0;
}

namespace {

void ProcessMessagesCallback() { CKWMessagePump::Instance().Pump(); }
void ProcessMessageBreakCallback() { CKWMessagePump::Instance().RequestBreak(); }
int32_t CheckEscKeyCallback() { return CKWMessagePump::Instance().CheckEscKey() ? 1 : 0; }

int32_t AddTimerEventCallback(KWTimerFunction function, int32_t interval, int32_t argument) {
    CMainSock* host = CMainSock::Instance();
    return host != nullptr && function != nullptr ? host->timers.AddFunction(function, interval, argument)
                                                  : 0;
}

void DeleteTimerEventCallback(int32_t timerId) {
    if (CMainSock* host = CMainSock::Instance())
        host->timers.DeleteByTimerId(timerId);
}

template <typename Function>
void Offer(const CKWDBAccess& db, const char16_t* name, Function function) {
    db.SetCallbackFunc(name, reinterpret_cast<void*>(function));
}

} // namespace

void RegisterTimerCallbacks(const CKWDBAccess& db) {
    Offer(db, u"KWProcessMessages", static_cast<KWProcessMessagesProc>(&ProcessMessagesCallback));
    Offer(db, u"KWAddTimerEvent", static_cast<KWAddTimerEventProc>(&AddTimerEventCallback));
    Offer(db, u"KWDeleteTimerEvent", static_cast<KWDeleteTimerEventProc>(&DeleteTimerEventCallback));
    Offer(db, u"KWCheckEscKey", static_cast<KWCheckEscKeyProc>(&CheckEscKeyCallback));
    Offer(db, u"KWProcessMessageBreak", static_cast<KWProcessMessageBreakProc>(&ProcessMessageBreakCallback));
}
