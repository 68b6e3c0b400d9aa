// The host side of the command bus: loading the bus library and every request a component makes.
//
// Each operation answers -1 when the bus is not available; the caller keeps running and the request
// simply has no effect.
#pragma once

#include "KWCoreExport.h"
#include "KWRequest.h"
#include "KWStr.h"

#include <cstdint>

class CKWSock;

// Loads KWLink.so from the folder that holds KWCore.so (once) and finds its entry point.
KWCORE_API bool LoadBus();
KWCORE_API bool IsBusLoaded();
// Where LoadBus looks instead of the default; tests use it to run without a bus. Null restores it.
KWCORE_API void SetBusLibraryPath(const char* path);

// Sends name with arguments and waits for the handler (mode 1), without a result text.
KWCORE_API int32_t Send(CKWSock* sender, const char16_t* name, const char16_t* arguments,
                        int32_t projectId = 0);
// Queues the request (mode 0); it runs after the current work has returned.
KWCORE_API int32_t Post(CKWSock* sender, const char16_t* name, const char16_t* arguments,
                        int32_t projectId = 0);
// Sends and assigns the handler's result text to *result (empty when there is none).
KWCORE_API int32_t SendForResult(CKWSock* sender, const char16_t* name, const char16_t* arguments,
                                 CKWStr* result, int32_t projectId = 0);
// Sends a numbered command (kKWCommandNumberBase and above) without a name.
KWCORE_API int32_t SendNumber(CKWSock* sender, uint32_t number, const char16_t* arguments);
// Sends as nobody: the sender's id is 0 for the time of the request, so the requester key is 0 too.
KWCORE_API int32_t SendAnonymous(CKWSock* sender, const char16_t* name, const char16_t* arguments,
                                 CKWStr* result = nullptr);

// Registers a command served by a function, or by the component's Receive under a number.
KWCORE_API bool RegisterCommand(CKWSock* sender, const char16_t* name, const char16_t* help,
                                KWCmdHandler handler, int32_t kind, const char16_t* group);
KWCORE_API bool RegisterCommand(CKWSock* sender, const char16_t* name, const char16_t* help, uint32_t number,
                                int32_t kind, const char16_t* group);
// Offers a notification; number is the offset from kKWCommandNumberBase.
KWCORE_API bool OfferNotification(CKWSock* sender, const char16_t* name, const char16_t* help,
                                  uint32_t number, const char16_t* group);
// Subscribes to a notification; number may be the full value or the offset from kKWCommandNumberBase.
KWCORE_API bool SubscribeNotification(CKWSock* sender, const char16_t* name, uint32_t number);

// The registration text: name "," handler "," kind "," group "," help, the handler or number in hex.
KWCORE_API CKWStr CommandRegistrationText(const char16_t* name, const char16_t* help,
                                          uintptr_t handlerOrNumber, int32_t kind, const char16_t* group);
