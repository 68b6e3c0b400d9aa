#include "RecorderSock.h"

#include "core/KWBusClient.h"
#include "core/KWText.h"

namespace {

// Numbers are unique across all recorders of the process, as the bus needs them to be.
uint32_t NextNumber() {
    static uint32_t next = 0x100;
    return next++;
}

} // namespace

CRecorderSock::CRecorderSock(const char16_t* componentName) : CKWSock(componentName) {}

std::vector<std::u16string>& CRecorderSock::Journal() {
    static std::vector<std::u16string> journal;
    return journal;
}

int32_t CRecorderSock::Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t projectId,
                               int32_t requesterKey) {
    const auto it = m_entries.find(uint32_t(number));
    if (it == m_entries.end())
        return -1;
    const Entry entry = it->second;
    records.push_back(Record{entry.name, arguments, projectId, requesterKey});
    Journal().push_back(name.Text() + u":" + entry.name);
    if (entry.hook)
        return entry.hook(arguments, result); // last: the hook may destroy this recorder
    result = entry.text;
    return entry.code;
}

uint32_t CRecorderSock::AddEntry(const char16_t* entryName, int32_t code, const char16_t* text) {
    const uint32_t number = NextNumber();
    m_entries[number] = Entry{entryName, code, text, nullptr};
    return number;
}

bool CRecorderSock::Serve(const char16_t* command, int32_t code, const char16_t* text) {
    const uint32_t number = AddEntry(command, code, text);
    return RegisterCommand(this, command, u"recorded", kKWCommandNumberBase + number, 1, u"Test");
}

bool CRecorderSock::Subscribe(const char16_t* notification, int32_t code) {
    return SubscribeNotification(this, notification, AddEntry(notification, code, u""));
}

CRecorderSock::Entry* CRecorderSock::FindEntry(const char16_t* entryName) {
    for (auto& [number, entry] : m_entries)
        if (EqualsNoCase(entry.name.c_str(), entryName))
            return &entry;
    return nullptr;
}

void CRecorderSock::Answer(const char16_t* entryName, int32_t code, const char16_t* text) {
    if (Entry* entry = FindEntry(entryName)) {
        entry->code = code;
        entry->text = text;
    }
}

void CRecorderSock::OnRequest(const char16_t* entryName, Hook hook) {
    if (Entry* entry = FindEntry(entryName))
        entry->hook = std::move(hook);
}
