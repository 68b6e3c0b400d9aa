#include "MainSock.h"

#include "EventLoop.h"
#include "HostCommandTable.h"

#include "core/KWBusClient.h"

namespace {

CMainSock* g_instance = nullptr;

} // namespace

CMainSock::CMainSock() : CKWSock(u"KWX5Main") {
    g_instance = this;
    KWEventLoop().SetTimerHandler([](int32_t timerId) {
        if (g_instance != nullptr)
            g_instance->timers.Fire(timerId);
    });
}

CMainSock::~CMainSock() {
    timers.Clear();
    if (g_instance == this)
        g_instance = nullptr;
}

CMainSock* CMainSock::Instance() { return g_instance; }

void CMainSock::Attach() {
    for (const KWHostCommand& command : HostCommands()) {
        if (command.handler != nullptr)
            RegisterCommand(this, command.name, command.usage, command.handler, command.kind, u"KWMain");
        else
            RegisterCommand(this, command.name, command.usage, command.number, command.kind, u"KWMain");
    }
    for (const KWHostNotification& notification : HostNotifications())
        OfferNotification(this, notification.name, notification.usage, 0, u"KWMain");
}

void CMainSock::Detach() {
    timers.Clear();
    escEvents.Clear();
}

int32_t CMainSock::Receive(int32_t, const char16_t*, CKWStr&, int32_t, int32_t) { return -1; }

int32_t CMainSock::Send(const char16_t* command, const char16_t* arguments, CKWStr* result) {
    return result != nullptr ? SendForResult(this, command, arguments, result)
                             : ::Send(this, command, arguments);
}
