#include "KWBusClient.h"

#include "BusConnection.h"
#include "KWModuleFolder.h"
#include "KWSock.h"

#include <dlfcn.h>

#include <string>

namespace {

struct BusLibrary {
    void* handle = nullptr;
    KWCmdIFProc entry = nullptr;
    int openComponents = 0;
    int callDepth = 0;
    bool unloadPending = false;
    std::string pathOverride;
};

BusLibrary& Library() {
    static BusLibrary library;
    return library;
}

void Unload(BusLibrary& library) {
    library.unloadPending = false;
    if (library.handle != nullptr)
        dlclose(library.handle);
    library.handle = nullptr;
}

int32_t Request(CKWSock* sender, int32_t mode, uint32_t number, const char16_t* name,
                const char16_t* arguments, int32_t projectId, int32_t* capacity, char16_t* buffer,
                char16_t** resultBuffer) {
    if ((name == nullptr || *name == 0) && number == 0)
        return -1; // nothing to address
    int32_t extra = 0;
    KWRequest request{mode,   sender, sender != nullptr ? sender->id : 0,     projectId,
                      number, name,   arguments != nullptr ? arguments : u"", capacity,
                      buffer, &extra};
    const int32_t result = bus_connection::Call(request);
    if (resultBuffer != nullptr)
        *resultBuffer = request.resultBuffer;
    return result;
}

bool Register(CKWSock* sender, const char16_t* name, const char16_t* help, uintptr_t handlerOrNumber,
              int32_t kind, const char16_t* group) {
    if (name == nullptr)
        return false;
    const CKWStr text = CommandRegistrationText(name, help, handlerOrNumber, kind, group);
    return Send(sender, u"KWRegSvcCmd", text.c_str()) == 1;
}

} // namespace

namespace bus_connection {

int32_t Call(KWRequest& request) {
    BusLibrary& library = Library();
    if (library.entry == nullptr)
        return -1;
    ++library.callDepth;
    const int32_t result = library.entry(&request);
    if (--library.callDepth == 0 && library.unloadPending)
        Unload(library);
    return result;
}

void AddOpenComponent() { ++Library().openComponents; }

void RemoveOpenComponent() {
    BusLibrary& library = Library();
    if (--library.openComponents > 0)
        return;
    library.openComponents = 0;
    library.entry = nullptr;
    library.unloadPending = true;
    if (library.callDepth == 0)
        Unload(library);
}

} // namespace bus_connection

bool LoadBus() {
    BusLibrary& library = Library();
    if (library.entry != nullptr)
        return true;
    if (library.unloadPending) {
        // Still mapped because a call is under way: take it back into use.
        library.unloadPending = false;
    } else {
        const std::string& path =
            library.pathOverride.empty() ? ProgramFolder() + "/KWLink.so" : library.pathOverride;
        library.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library.handle == nullptr)
            return false;
    }
    library.entry = reinterpret_cast<KWCmdIFProc>(dlsym(library.handle, "KWCmdIF"));
    if (library.entry == nullptr)
        Unload(library);
    return library.entry != nullptr;
}

bool IsBusLoaded() { return Library().handle != nullptr && Library().entry != nullptr; }

void SetBusLibraryPath(const char* path) { Library().pathOverride = path != nullptr ? path : ""; }

int32_t Send(CKWSock* sender, const char16_t* name, const char16_t* arguments, int32_t projectId) {
    return Request(sender, kKWModeSend, 0, name, arguments, projectId, nullptr, nullptr, nullptr);
}

int32_t Post(CKWSock* sender, const char16_t* name, const char16_t* arguments, int32_t projectId) {
    return Request(sender, kKWModePost, 0, name, arguments, projectId, nullptr, nullptr, nullptr);
}

int32_t SendForResult(CKWSock* sender, const char16_t* name, const char16_t* arguments, CKWStr* result,
                      int32_t projectId) {
    constexpr int32_t kCapacity = 100;
    char16_t buffer[kCapacity] = {};
    int32_t capacity = kCapacity;
    char16_t* delivered = buffer;
    const int32_t code =
        Request(sender, kKWModeSend, 0, name, arguments, projectId, &capacity, buffer, &delivered);
    if (result != nullptr)
        *result = delivered; // the bus answered in our buffer, in one of its own, or not at all
    if (delivered != buffer)
        KWDeleteTextBuffer(delivered);
    return code;
}

int32_t SendNumber(CKWSock* sender, uint32_t number, const char16_t* arguments) {
    return Request(sender, kKWModeSend, number, nullptr, arguments, 0, nullptr, nullptr, nullptr);
}

int32_t SendAnonymous(CKWSock* sender, const char16_t* name, const char16_t* arguments, CKWStr* result) {
    if (sender == nullptr)
        return result != nullptr ? SendForResult(nullptr, name, arguments, result)
                                 : Send(nullptr, name, arguments);
    const int32_t id = sender->id;
    sender->id = 0;
    const int32_t code =
        result != nullptr ? SendForResult(sender, name, arguments, result) : Send(sender, name, arguments);
    sender->id = id;
    return code;
}

CKWStr CommandRegistrationText(const char16_t* name, const char16_t* help, uintptr_t handlerOrNumber,
                               int32_t kind, const char16_t* group) {
    CKWStr text(name);
    text += u",";
    text.AppendAddress(reinterpret_cast<const void*>(handlerOrNumber));
    text += u",";
    text.AppendInt(kind);
    text += u",";
    text += group;
    text += u",";
    text += help;
    return text;
}

bool RegisterCommand(CKWSock* sender, const char16_t* name, const char16_t* help, KWCmdHandler handler,
                     int32_t kind, const char16_t* group) {
    return Register(sender, name, help, reinterpret_cast<uintptr_t>(handler), kind, group);
}

bool RegisterCommand(CKWSock* sender, const char16_t* name, const char16_t* help, uint32_t number,
                     int32_t kind, const char16_t* group) {
    return Register(sender, name, help, number, kind, group);
}

bool OfferNotification(CKWSock* sender, const char16_t* name, const char16_t* help, uint32_t number,
                       const char16_t* group) {
    if (name == nullptr)
        return false;
    const CKWStr text = CommandRegistrationText(name, help, kKWCommandNumberBase + number, 1, group);
    return Send(sender, u"KWRegSvcNotification", text.c_str()) == 1;
}

bool SubscribeNotification(CKWSock* sender, const char16_t* name, uint32_t number) {
    if (name == nullptr)
        return false;
    CKWStr text(name);
    text += u",";
    text.AppendHex(number >= kKWCommandNumberBase ? number : kKWCommandNumberBase + number);
    return Send(sender, u"KWRegNotificationNum", text.c_str()) == 0;
}
