#include "Bus.h"

#include "FoldedName.h"

#include "core/KWSock.h"
#include "core/KWStr.h"
#include "core/KWText.h"

#include <algorithm>
#include <cstring>

namespace kwlink {

Bus::Bus() { RegisterBuiltIns(); }

int32_t Bus::Handle(KWRequest& record) {
    const Request request{record.mode & 0xFF,
                          record.sender,
                          record.senderId,
                          record.projectId,
                          record.commandNumber,
                          record.name != nullptr ? std::u16string_view(record.name) : std::u16string_view(),
                          record.arguments != nullptr ? record.arguments : u""};
    if (request.name.empty() && request.number == 0)
        return -1;
    ++m_depth;
    int32_t code;
    if (request.mode == kKWModePost) {
        code = Enqueue(request);
    } else {
        CKWStr result;
        code = Run(request, result);
        DeliverResult(result, record);
    }
    if (--m_depth == 0)
        AfterOutermost();
    return code;
}

int32_t Bus::Run(const Request& request, CKWStr& result) {
    const Command* command =
        request.name.empty() ? m_registry.FindNumber(request.number) : m_registry.Find(request.name);
    if (command != nullptr) {
        // Only the dispatch fields are kept: the handler may change the registry under us.
        const Target target{command->owner, command->handler, command->number, command->builtIn};
        return Deliver(target, request, result);
    }
    if (request.name.empty())
        return -1;
    if (const Notification* notification = m_registry.FindNotification(request.name))
        return Broadcast(notification->subscribers, request, result);
    return -1;
}

int32_t Bus::Deliver(const Target& target, const Request& request, CKWStr& result) {
    try {
        if (target.builtIn != nullptr)
            return (this->*target.builtIn)(request, result);
        if (target.handler != nullptr)
            return target.handler(request.mode, request.arguments, result, request.projectId,
                                  request.senderId);
        const Component* owner = m_components.Find(target.owner);
        return owner != nullptr ? CallReceive(*owner, target.number, request, result) : -1;
    } catch (...) {
        result.Clear(); // a throwing handler fails its request and nothing else
        return -1;
    }
}

// Subscribers are called in subscription order; one that closed on the way is skipped. The answer is
// the greatest return code, so one refusal (> 0) of a query wins; 0 when nobody subscribed.
int32_t Bus::Broadcast(std::vector<Subscription> subscribers, const Request& request, CKWStr& result) {
    int32_t code = 0;
    bool answered = false;
    for (const Subscription& subscription : subscribers) {
        const Component* subscriber = m_components.Find(subscription.component);
        if (subscriber == nullptr)
            continue;
        int32_t answer;
        try {
            answer = CallReceive(*subscriber, subscription.number, request, result);
        } catch (...) {
            answer = -1;
        }
        code = answered ? std::max(code, answer) : answer;
        answered = true;
    }
    return code;
}

int32_t Bus::CallReceive(const Component& target, uint32_t number, const Request& request, CKWStr& result) {
    return target.object->Receive(int32_t(number - kKWCommandNumberBase), request.arguments, result,
                                  request.projectId, request.senderId);
}

int32_t Bus::Enqueue(const Request& request) {
    // Opening and closing are bound to the sending object, which may be gone by the time a queued
    // request runs.
    if (NoCaseEqual()(request.name, u"KWOpenSock") || NoCaseEqual()(request.name, u"KWCloseSock"))
        return -10;
    m_posted.push_back(PostedRequest{request.senderId, request.projectId, request.number,
                                     std::u16string(request.name), request.arguments});
    RequestTurn();
    return 0;
}

void Bus::RunQueued(std::size_t count) {
    for (; count > 0 && !m_posted.empty(); --count) {
        const PostedRequest posted = std::move(m_posted.front());
        m_posted.pop_front();
        const Request request{kKWModePost,   nullptr,     posted.senderId,         posted.projectId,
                              posted.number, posted.name, posted.arguments.c_str()};
        CKWStr result;
        ++m_depth;
        Run(request, result);
        --m_depth;
    }
}

// The outermost request has returned: without a scheduler the queue drains now, requests posted on
// the way included. Libraries removed meanwhile are unmapped only now that none of their code can be
// on the stack of a bus call, and with a scheduler only in the host's own turn.
void Bus::AfterOutermost() {
    if (m_scheduler == nullptr) {
        while (!m_posted.empty())
            RunQueued(m_posted.size());
    }
    if (m_scheduler == nullptr || m_inTurn)
        m_libraries.CloseUnloaded();
    else if (m_libraries.HasUnloaded())
        RequestTurn();
    m_inTurn = false;
}

void Bus::RequestTurn() {
    if (m_scheduler == nullptr || m_turnRequested)
        return;
    m_turnRequested = true;
    m_scheduler();
}

void Bus::DeliverResult(const CKWStr& result, KWRequest& record) {
    if (record.capacity == nullptr || record.resultBuffer == nullptr)
        return;
    const std::size_t units = result.Length() + 1;
    char16_t* target = record.resultBuffer;
    if (*record.capacity < 0 || units > std::size_t(*record.capacity)) {
        target = KWNewTextBuffer(units);
        if (target == nullptr) {
            if (*record.capacity > 0)
                record.resultBuffer[0] = 0; // undeliverable: the sender reads the empty text
            return;
        }
        record.resultBuffer = target;
    }
    std::memcpy(target, result.c_str(), units * sizeof(char16_t));
}

int32_t Bus::OpenComponentOf(const Request& request) const {
    return request.senderId != 0 && m_components.Find(request.senderId) != nullptr ? request.senderId : 0;
}

void Bus::CloseComponent(int32_t id) {
    m_registry.RemoveComponent(id);
    m_components.Close(id);
}

// Tells each component, last opened first, that it is being taken off the bus; one that a previous
// Detach closed is not called.
void Bus::DetachComponents(const std::vector<int32_t>& ids) {
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        const Component* component = m_components.Find(*it);
        if (component == nullptr)
            continue;
        try {
            component->object->Detach();
        } catch (...) {
        }
    }
}

void Bus::UnloadLibrary(int32_t library, bool detachComponents) {
    const ComponentLibrary* loaded = m_libraries.Find(library);
    if (loaded == nullptr)
        return;
    void (*const detach)() = loaded->detach;
    if (detachComponents)
        DetachComponents(m_components.Ids(library));
    if (detach != nullptr) {
        try {
            detach();
        } catch (...) {
        }
    }
    for (const int32_t id : m_components.Ids(library))
        CloseComponent(id); // what the library did not destroy is off the bus all the same
    m_libraries.Unload(library);
    RequestTurn();
}

} // namespace kwlink
