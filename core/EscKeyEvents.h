// The Esc-key events of the host component: commands sent when the user presses Esc in the main
// window, kept per requester like the timers.
#pragma once

#include "core/KWStr.h"

#include <cstdint>
#include <vector>

class CKWEscKeyEvents {
public:
    struct Event {
        int32_t owner = 0;
        int32_t id = 0;
        bool disabled = false;
        CKWStr callback; // a command name
        CKWStr param;
    };

    bool Add(int32_t owner, int32_t id, const CKWStr& callback, const CKWStr& param);
    Event* Find(int32_t owner, int32_t id);
    void Stop(int32_t owner, int32_t id);
    void Clear() { m_events.clear(); }
    const std::vector<Event>& Events() const { return m_events; }

    // Sends each enabled event's command with "<param>,<id>" (or "<id>"), in list order.
    void Fire();
    // "Enabled,<callback>".
    static CKWStr Describe(const Event& event);

private:
    std::vector<Event> m_events;
};
