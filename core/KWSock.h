// CKWSock: the base of every component on the command bus.
//
// Constructing a component opens it on the bus (loading the bus library on first use) and destroying
// it closes it; the bus library is unloaded when the last open component is gone. The owner calls
// Attach() right after construction to register the component's commands and subscriptions.
#pragma once

#include "KWCoreExport.h"
#include "KWStr.h"

#include <cstdint>

class KWCORE_API CKWSock {
public:
    // A name equal to "SockSock" (ignoring case) keeps the object off the bus entirely.
    explicit CKWSock(const char16_t* componentName);
    CKWSock(const CKWSock&) = delete;
    CKWSock& operator=(const CKWSock&) = delete;

    // The component is being taken off the bus: stop timers, drop state that depends on others.
    virtual void Detach() = 0;
    // Delivery of a numbered command or a subscribed notification; number is the offset from
    // kKWCommandNumberBase. The two trailing integers are the request's project id and requester key.
    virtual int32_t Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t projectId,
                            int32_t requesterKey) = 0;
    // Registers the component's commands and notification subscriptions.
    virtual void Attach() = 0;
    virtual ~CKWSock();

    int32_t id = 0; // the id the bus gave; 0 when no bus is available
    CKWStr name;    // the name the component is open under, filled by the bus

private:
    bool m_counted = false; // this object holds one of the open-component counts
};
