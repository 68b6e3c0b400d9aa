#include "TimerList.h"

#include "EventLoop.h"
#include "MainSock.h"

#include "core/KWBusClient.h"
#include "core/KWCommandLine.h"

#include <algorithm>

int32_t CKWTimerList::Add(Timer timer) {
    timer.timerId = ++m_lastTimerId;
    m_timers.push_back(timer);
    KWEventLoop().ArmTimer(timer.timerId, timer.interval);
    return timer.timerId;
}

int32_t CKWTimerList::AddCommand(int32_t owner, int32_t id, int32_t projectId, int32_t interval, bool repeat,
                                 const CKWStr& callback) {
    if (interval < 0 || callback.IsEmpty())
        return 0;
    if (id >= 1 && Find(owner, id) != nullptr)
        return 0;
    Timer timer;
    timer.owner = owner;
    timer.id = id;
    timer.projectId = projectId;
    timer.interval = interval;
    timer.repeat = repeat;
    timer.callback = callback;
    return Add(timer);
}

int32_t CKWTimerList::AddFunction(Function function, int32_t interval, int32_t argument) {
    Timer timer;
    timer.interval = interval < 0 ? 0 : interval;
    timer.function = function;
    timer.argument = argument;
    return Add(timer);
}

CKWTimerList::Timer* CKWTimerList::Find(int32_t owner, int32_t id) {
    const auto it = std::find_if(m_timers.begin(), m_timers.end(),
                                 [&](const Timer& t) { return t.owner == owner && t.id == id; });
    return it == m_timers.end() ? nullptr : &*it;
}

void CKWTimerList::Stop(int32_t owner, int32_t id) {
    if (const Timer* timer = Find(owner, id))
        DeleteByTimerId(timer->timerId);
}

void CKWTimerList::Enable(int32_t owner, int32_t id, bool enabled) {
    Timer* timer = Find(owner, id);
    if (timer == nullptr)
        return;
    timer->disabled = !enabled;
    if (enabled)
        KWEventLoop().ArmTimer(timer->timerId, timer->interval);
    else
        KWEventLoop().StopTimer(timer->timerId);
}

void CKWTimerList::DeleteByTimerId(int32_t timerId) {
    KWEventLoop().StopTimer(timerId);
    std::erase_if(m_timers, [&](const Timer& t) { return t.timerId == timerId; });
}

void CKWTimerList::Clear() {
    for (const Timer& timer : m_timers)
        KWEventLoop().StopTimer(timer.timerId);
    m_timers.clear();
}

void CKWTimerList::Fire(int32_t timerId) {
    KWEventLoop().StopTimer(timerId);
    const auto found =
        std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.timerId == timerId; });
    if (found == m_timers.end())
        return;
    // A copy: the command may create, stop or re-enable timers while it runs.
    const Timer timer = *found;
    if (!timer.callback.IsEmpty()) {
        const KWCommandLine line = SplitCommandLine(timer.callback.c_str());
        Send(CMainSock::Instance(), line.name.c_str(), line.arguments.c_str(), timer.projectId);
    } else if (timer.function != nullptr) {
        timer.function(timer.argument);
    }
    const auto still =
        std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.timerId == timerId; });
    if (still == m_timers.end())
        return; // stopped by its own command
    if (!still->repeat)
        m_timers.erase(still);
    else if (!still->disabled)
        KWEventLoop().ArmTimer(timerId, still->interval);
}

CKWStr CKWTimerList::Describe(const Timer& timer) {
    CKWStr text(timer.disabled ? u"Disabled," : u"Enabled,");
    text.AppendInt(timer.interval);
    text += u",";
    text += timer.callback.View();
    if (timer.repeat)
        text += u",repeat";
    return text;
}
