// KWLink.so: the command bus. Its one export is the entry point; everything else is a request.
#include "Bus.h"

extern "C" __attribute__((visibility("default"))) int32_t KWCmdIF(KWRequest* request) {
    static kwlink::Bus bus;
    if (request == nullptr)
        return -1;
    try {
        return bus.Handle(*request);
    } catch (...) {
        return -1; // nothing escapes into the sender
    }
}
