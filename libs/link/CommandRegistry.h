// The registered commands and notifications of the bus: who serves what, under which name or number,
// with its kind, group and help text, and who subscribed to which notification.
#pragma once

#include "FoldedName.h"

#include "core/KWRequest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace kwlink {

class Bus;
struct Request;
using BuiltInHandler = int32_t (Bus::*)(const Request& request, CKWStr& result);

struct Command {
    std::u16string name;              // as registered
    int32_t owner = 0;                // component id; 0 for the bus's own commands
    KWCmdHandler handler = nullptr;   // a function handler, or
    uint32_t number = 0;              // delivered to the owner's Receive, or
    BuiltInHandler builtIn = nullptr; // served by the bus itself
    int32_t kind = 1;
    std::u16string group;
    std::u16string help;
};

struct Subscription {
    int32_t component;
    uint32_t number;
};

struct Notification {
    std::u16string name;
    bool offered = false;
    int32_t offerer = 0;
    uint32_t number = 0;
    std::u16string group;
    std::u16string help;
    std::vector<Subscription> subscribers; // in subscription order
};

class CommandRegistry {
public:
    // Adds or replaces a command. A name served by another open component, or by the bus itself, is
    // refused: one command has one server.
    bool Register(Command command);
    const Command* Find(std::u16string_view name) const;
    const Command* FindNumber(uint32_t number) const;
    // Every command whose name starts with prefix ignoring case, sorted by name.
    std::vector<const Command*> List(std::u16string_view prefix) const;

    void Offer(std::u16string_view name, int32_t offerer, uint32_t number, std::u16string group,
               std::u16string help);
    void Subscribe(std::u16string_view name, Subscription subscription);
    const Notification* FindNotification(std::u16string_view name) const;

    // Drops what a closing component registered, offered and subscribed.
    void RemoveComponent(int32_t component);

private:
    Notification& NotificationNamed(std::u16string_view name);

    NoCaseMap<Command> m_commands;
    std::unordered_map<uint32_t, std::u16string> m_byNumber; // number -> command name
    NoCaseMap<Notification> m_notifications;
};

} // namespace kwlink
