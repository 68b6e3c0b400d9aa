// A component library for tests. Its component "TestLibSock" serves KWTestLibEcho (a function
// handler answering "echo:<arguments>"), KWTestLibStats ("attached=<n>,detached=<n>,notified=<n>"),
// KWTestLibRemoveSelf (asks the bus to remove this very library from inside its handler), and
// subscribes to KWNotifyTestLib. Built with KW_REFUSE_ATTACH, it refuses to attach.
#include "core/KWBusClient.h"
#include "core/KWSock.h"

#include <string>

namespace {

int g_attached = 0, g_detached = 0, g_notified = 0;

int32_t Echo(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result = u"echo:";
    result += arguments;
    return 0;
}

int32_t Stats(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    result.Format(u"attached=%d,detached=%d,notified=%d", g_attached, g_detached, g_notified);
    return 0;
}

class CLibrarySock : public CKWSock {
public:
    CLibrarySock() : CKWSock(u"TestLibSock") {}
    void Attach() override {
        ++g_attached;
        RegisterCommand(this, u"KWTestLibEcho", u"KWTestLibEcho <text>\n=> echo:<text>", &Echo, 1,
                        u"TestLib");
        RegisterCommand(this, u"KWTestLibStats", u"KWTestLibStats", &Stats, 1, u"TestLib");
        RegisterCommand(this, u"KWTestLibRemoveSelf", u"KWTestLibRemoveSelf <library path>", &RemoveSelf, 1,
                        u"TestLib");
        SubscribeNotification(this, u"KWNotifyTestLib", 7);
    }
    void Detach() override { ++g_detached; }
    int32_t Receive(int32_t number, const char16_t*, CKWStr&, int32_t, int32_t) override {
        if (number != 7)
            return -1;
        ++g_notified;
        return 0;
    }

private:
    static int32_t RemoveSelf(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
        const int32_t code = SendAnonymous(nullptr, u"KWRemoveDLLComponent", arguments, &result);
        result = u"still running after removal";
        return code;
    }
};

CLibrarySock* g_component = nullptr;

} // namespace

extern "C" __attribute__((visibility("default"))) int32_t KWComponentAttach() {
#ifdef KW_REFUSE_ATTACH
    return -5;
#else
    g_component = new CLibrarySock;
    g_component->Attach();
    return 0;
#endif
}

extern "C" __attribute__((visibility("default"))) void KWComponentDetach() {
    delete g_component;
    g_component = nullptr;
}
