// The command timers of the host component: each sends a command line (or calls a function) after
// its interval, once or repeatedly. Timers are kept per requester: the same id may be used by two
// components independently.
#pragma once

#include "core/KWStr.h"

#include <cstdint>
#include <vector>

class CKWTimerList {
public:
    using Function = void (*)(int32_t argument);

    struct Timer {
        int32_t owner = 0;   // requester key of the creating request; 0 for function timers
        int32_t id = 0;      // the requester's id number
        int32_t timerId = 0; // process-wide, for the system timer
        int32_t projectId = 0;
        bool disabled = false;
        bool repeat = false;
        int32_t interval = 0;
        CKWStr callback; // a full command line, or empty
        Function function = nullptr;
        int32_t argument = 0;
    };

    // Adds a command timer unless id (1 or more) is taken by the owner; answers its timerId or 0.
    int32_t AddCommand(int32_t owner, int32_t id, int32_t projectId, int32_t interval, bool repeat,
                       const CKWStr& callback);
    // A one-shot timer that calls function(argument); answers its timerId.
    int32_t AddFunction(Function function, int32_t interval, int32_t argument);

    Timer* Find(int32_t owner, int32_t id);
    void Stop(int32_t owner, int32_t id);
    void Enable(int32_t owner, int32_t id, bool enabled);
    void DeleteByTimerId(int32_t timerId);
    void Clear();
    const std::vector<Timer>& Timers() const { return m_timers; }

    // The system timer timerId went off.
    void Fire(int32_t timerId);

    // "Enabled,<interval>,<callback>[,repeat]".
    static CKWStr Describe(const Timer& timer);

private:
    int32_t Add(Timer timer);
    int32_t m_lastTimerId = 1; // increased before each use, so the first timer gets 2
    std::vector<Timer> m_timers;
};
