#include "EventLoop.h"

#include "core/KWBusClient.h"

std::unique_ptr<IKWEventLoop> MakeQtEventLoop();

namespace {

std::unique_ptr<IKWEventLoop>& Current() {
    static std::unique_ptr<IKWEventLoop> loop = MakeQtEventLoop();
    return loop;
}

// Called by the bus once when posted requests start waiting: they run on the next turn.
void SchedulePostedRequests() {
    KWEventLoop().PostTask([] { Send(nullptr, u"KWRunPosted", u""); });
}

} // namespace

IKWEventLoop& KWEventLoop() { return *Current(); }

void SetKWEventLoop(std::unique_ptr<IKWEventLoop> loop) {
    Current() = loop != nullptr ? std::move(loop) : MakeQtEventLoop();
}

void ConnectBusToEventLoop() {
    CKWStr address;
    address.AppendAddress(reinterpret_cast<const void*>(&SchedulePostedRequests));
    Send(nullptr, u"KWSetPostScheduler", address.c_str());
}
