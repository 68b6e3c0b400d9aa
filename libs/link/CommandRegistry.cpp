#include "CommandRegistry.h"

#include "FoldedName.h"

#include <algorithm>

namespace kwlink {

bool CommandRegistry::Register(Command command) {
    if (command.name.empty())
        return false;
    const auto existing = m_commands.find(command.name);
    if (existing != m_commands.end()) {
        const Command& old = existing->second;
        if (old.builtIn != nullptr || old.owner != command.owner)
            return false;
    }
    if (command.number != 0) {
        const auto taken = m_byNumber.find(command.number);
        if (taken != m_byNumber.end() && !NoCaseEqual()(taken->second, command.name))
            return false; // the number already names another command
    }
    if (existing != m_commands.end()) {
        if (existing->second.number != 0)
            m_byNumber.erase(existing->second.number);
        m_commands.erase(existing); // the new spelling of the name is kept
    }
    if (command.number != 0)
        m_byNumber[command.number] = command.name;
    std::u16string key = command.name;
    m_commands.emplace(std::move(key), std::move(command));
    return true;
}

const Command* CommandRegistry::Find(std::u16string_view name) const {
    const auto it = m_commands.find(name);
    return it == m_commands.end() ? nullptr : &it->second;
}

const Command* CommandRegistry::FindNumber(uint32_t number) const {
    const auto it = m_byNumber.find(number);
    return it == m_byNumber.end() ? nullptr : &m_commands.at(it->second);
}

std::vector<const Command*> CommandRegistry::List(std::u16string_view prefix) const {
    std::vector<std::pair<std::u16string, const Command*>> found; // folded name, command
    for (const auto& [name, command] : m_commands)
        if (name.size() >= prefix.size() &&
            NoCaseEqual()(std::u16string_view(name).substr(0, prefix.size()), prefix))
            found.emplace_back(FoldedName(name), &command);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->name < b.second->name;
    });
    std::vector<const Command*> commands;
    commands.reserve(found.size());
    for (const auto& entry : found)
        commands.push_back(entry.second);
    return commands;
}

Notification& CommandRegistry::NotificationNamed(std::u16string_view name) {
    auto it = m_notifications.find(name);
    if (it == m_notifications.end()) {
        it = m_notifications.emplace(std::u16string(name), Notification{}).first;
        it->second.name = name;
    }
    return it->second;
}

void CommandRegistry::Offer(std::u16string_view name, int32_t offerer, uint32_t number, std::u16string group,
                            std::u16string help) {
    Notification& notification = NotificationNamed(name);
    notification.offered = true;
    notification.offerer = offerer;
    notification.number = number;
    notification.group = std::move(group);
    notification.help = std::move(help);
}

void CommandRegistry::Subscribe(std::u16string_view name, Subscription subscription) {
    Notification& notification = NotificationNamed(name);
    for (Subscription& existing : notification.subscribers) {
        if (existing.component == subscription.component) {
            existing.number = subscription.number; // one subscription per component; keeps its place
            return;
        }
    }
    notification.subscribers.push_back(subscription);
}

const Notification* CommandRegistry::FindNotification(std::u16string_view name) const {
    const auto it = m_notifications.find(name);
    return it == m_notifications.end() ? nullptr : &it->second;
}

void CommandRegistry::RemoveComponent(int32_t component) {
    std::erase_if(m_commands, [&](const auto& entry) {
        const Command& command = entry.second;
        if (command.builtIn != nullptr || command.owner != component)
            return false;
        if (command.number != 0)
            m_byNumber.erase(command.number);
        return true;
    });
    for (auto it = m_notifications.begin(); it != m_notifications.end();) {
        Notification& notification = it->second;
        std::erase_if(notification.subscribers,
                      [&](const Subscription& s) { return s.component == component; });
        if (notification.offered && notification.offerer == component)
            notification.offered = false;
        it = !notification.offered && notification.subscribers.empty() ? m_notifications.erase(it)
                                                                       : std::next(it);
    }
}

} // namespace kwlink
