#include "EscKeyEvents.h"

#include "MainSock.h"

#include "core/KWBusClient.h"

#include <algorithm>

bool CKWEscKeyEvents::Add(int32_t owner, int32_t id, const CKWStr& callback, const CKWStr& param) {
    if (callback.IsEmpty() || (id >= 1 && Find(owner, id) != nullptr))
        return false;
    m_events.push_back(Event{owner, id, false, callback, param});
    return true;
}

CKWEscKeyEvents::Event* CKWEscKeyEvents::Find(int32_t owner, int32_t id) {
    const auto it = std::find_if(m_events.begin(), m_events.end(),
                                 [&](const Event& e) { return e.owner == owner && e.id == id; });
    return it == m_events.end() ? nullptr : &*it;
}

void CKWEscKeyEvents::Stop(int32_t owner, int32_t id) {
    const auto it = std::find_if(m_events.begin(), m_events.end(),
                                 [&](const Event& e) { return e.owner == owner && e.id == id; });
    if (it != m_events.end())
        m_events.erase(it);
}

void CKWEscKeyEvents::Fire() {
    // A copy: a command may add or stop events while the others wait.
    const std::vector<Event> events = m_events;
    for (const Event& event : events) {
        if (event.disabled)
            continue;
        CKWStr arguments(event.param);
        if (!arguments.IsEmpty())
            arguments += u",";
        arguments.AppendInt(event.id);
        Send(CMainSock::Instance(), event.callback.c_str(), arguments.c_str(), 0);
    }
}

CKWStr CKWEscKeyEvents::Describe(const Event& event) {
    CKWStr text(event.disabled ? u"Disabled," : u"Enabled,");
    text += event.callback.View();
    return text;
}
