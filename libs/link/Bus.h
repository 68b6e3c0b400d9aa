// The command bus: one per process, behind the entry point KWCmdIF.
//
// It keeps the open components, the registered commands and notifications, the component libraries
// and the queue of posted requests, and delivers each request to whoever serves it. Delivery is
// re-entrant: a handler may send, post, open or close components (its own included), or add and remove
// libraries, and the bus stays consistent and never calls a component that has closed.
#pragma once

#include "CommandRegistry.h"
#include "ComponentTable.h"
#include "LibraryLoader.h"

#include "core/KWRequest.h"

#include <deque>
#include <string>
#include <string_view>

namespace kwlink {

// One request as the bus handles it; the texts belong to the record or to a posted copy.
struct Request {
    int32_t mode;
    CKWSock* sender;
    int32_t senderId;
    int32_t projectId;
    uint32_t number;
    std::u16string_view name;
    const char16_t* arguments;
};

class Bus {
public:
    Bus();
    int32_t Handle(KWRequest& record);

private:
    struct Target {
        int32_t owner;
        KWCmdHandler handler;
        uint32_t number;
        BuiltInHandler builtIn;
    };
    struct PostedRequest {
        int32_t senderId;
        int32_t projectId;
        uint32_t number;
        std::u16string name;
        std::u16string arguments;
    };

    int32_t Run(const Request& request, CKWStr& result);
    int32_t Deliver(const Target& target, const Request& request, CKWStr& result);
    int32_t Broadcast(std::vector<Subscription> subscribers, const Request& request, CKWStr& result);
    static int32_t CallReceive(const Component& target, uint32_t number, const Request& request,
                               CKWStr& result);
    int32_t Enqueue(const Request& request);
    void RunQueued(std::size_t count);
    void AfterOutermost();
    void RequestTurn();
    static void DeliverResult(const CKWStr& result, KWRequest& record);

    int32_t OpenComponentOf(const Request& request) const; // the sender, when open; else 0
    void CloseComponent(int32_t id);
    void DetachComponents(const std::vector<int32_t>& ids);
    void UnloadLibrary(int32_t library, bool detachComponents);

    // The bus's own commands (BusCommands.cpp).
    void RegisterBuiltIns();
    int32_t OpenSock(const Request& request, CKWStr& result);
    int32_t CloseSock(const Request& request, CKWStr& result);
    int32_t RegSvcCmd(const Request& request, CKWStr& result);
    int32_t RegSvcNotification(const Request& request, CKWStr& result);
    int32_t RegNotificationNum(const Request& request, CKWStr& result);
    int32_t SetProjectIDPointer(const Request& request, CKWStr& result);
    int32_t AddDLLComponent(const Request& request, CKWStr& result);
    int32_t RemoveDLLComponent(const Request& request, CKWStr& result);
    int32_t EndAddDLLComponent(const Request& request, CKWStr& result);
    int32_t CloseAllSock(const Request& request, CKWStr& result);
    int32_t ListCmd(const Request& request, CKWStr& result);
    int32_t SetPostScheduler(const Request& request, CKWStr& result);
    int32_t RunPosted(const Request& request, CKWStr& result);

    ComponentTable m_components;
    CommandRegistry m_registry;
    LibraryLoader m_libraries;
    std::deque<PostedRequest> m_posted;
    std::vector<int32_t> m_attaching; // libraries whose KWComponentAttach is running, innermost last
    void (*m_scheduler)() = nullptr;
    bool m_turnRequested = false;
    bool m_inTurn = false; // the outermost request is the host's scheduled KWRunPosted
    int m_depth = 0;
    const int32_t* m_currentProjectId = nullptr;
};

} // namespace kwlink
