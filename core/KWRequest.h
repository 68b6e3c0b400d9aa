// The request record of the command bus and the forms that travel through it. Shared by the bus
// library and its client, so that both read the record the same way.
//
// Every request goes through the bus's one entry point, KWCmdIF, which takes the address of a record
// and returns a 32-bit signed result. The bus reads the record during the call and writes only the
// result buffer field (and the text in the buffer).
#pragma once

#include "KWCoreExport.h"

#include <cstddef>
#include <cstdint>

class CKWStr;
class CKWSock;

// Command and notification numbers start here; a component's Receive sees the offset from it.
constexpr uint32_t kKWCommandNumberBase = 0xC0000000u;

enum KWRequestMode : int32_t {
    kKWModePost = 0, // queued; runs after the current request has returned
    kKWModeSend = 1, // runs now; the call returns the handler's result
};

struct KWRequest {
    int32_t mode;           // only the low byte counts
    CKWSock* sender;        // the sending component, or null
    int32_t senderId;       // the sender's id; 0 for anonymous, open and close requests
    int32_t projectId;      // 0: none or current
    uint32_t commandNumber; // 0 when the command is addressed by name
    const char16_t* name;   // command name, or null when addressed by number
    const char16_t* arguments;
    int32_t* capacity;      // capacity of the result buffer in units, or null when no text is wanted
    char16_t* resultBuffer; // the sender's buffer; the bus may replace it with a larger one
    int32_t* extra;         // set to 0 by the sender; not read afterwards
};

// A command handler: (mode of the request, arguments, result to fill, project id, requester key).
// The requester key is the same for all requests of one component and differs between components.
using KWCmdHandler = int32_t (*)(int32_t mode, const char16_t* arguments, CKWStr& result, int32_t projectId,
                                 int32_t requesterKey);

// The bus's entry point, exported with C linkage as "KWCmdIF".
using KWCmdIFProc = int32_t (*)(KWRequest* request);

// Result buffers that the bus substitutes are allocated and released here, so that the bus and every
// sender use one allocator. KWNewTextBuffer answers null when memory runs out.
KWCORE_API char16_t* KWNewTextBuffer(std::size_t units);
KWCORE_API void KWDeleteTextBuffer(char16_t* buffer);
