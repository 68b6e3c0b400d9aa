// The process's one connection to the bus library, private to KWCore: the library handle, its entry
// point and the count of open components that keeps it loaded.
#pragma once

#include "KWRequest.h"

namespace bus_connection {

// Passes the record to the bus; -1 when no bus is loaded.
int32_t Call(KWRequest& request);
// The open-component count. When the last one closes the bus is unloaded, once no call to it is under
// way any more (a handler may destroy the last component while the bus is still on the stack).
void AddOpenComponent();
void RemoveOpenComponent();

} // namespace bus_connection
