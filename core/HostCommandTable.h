// The commands and notifications that the host component registers and offers, in their fixed order.
#pragma once

#include "core/KWRequest.h"

#include <cstdint>
#include <vector>

struct KWHostCommand {
    const char16_t* name;
    int32_t kind;
    KWCmdHandler handler; // null for a command registered by number
    uint32_t number;
    const char16_t* usage;
};

struct KWHostNotification {
    const char16_t* name;
    const char16_t* usage;
};

const std::vector<KWHostCommand>& HostCommands();
const std::vector<KWHostNotification>& HostNotifications();
