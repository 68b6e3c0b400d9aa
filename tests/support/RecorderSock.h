// A component for tests: serves whatever command names it is told (through Receive, each under a
// number of its own), records every request and notification it receives, answers from a table or
// through a hook, and writes each delivery into a journal shared by all recorders, so that tests can
// check the order of deliveries across components.
#pragma once

#include "core/KWSock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CRecorderSock : public CKWSock {
public:
    struct Record {
        std::u16string command; // the command or notification name
        std::u16string arguments;
        int32_t projectId;
        int32_t requesterKey;
    };
    // Runs instead of the table answer; it may destroy the recorder.
    using Hook = std::function<int32_t(const char16_t* arguments, CKWStr& result)>;

    explicit CRecorderSock(const char16_t* componentName);

    void Attach() override {}
    void Detach() override { ++detachCount; }
    int32_t Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t projectId,
                    int32_t requesterKey) override;

    // Registers command on the bus, answered with code and text until told otherwise.
    bool Serve(const char16_t* command, int32_t code = 0, const char16_t* text = u"");
    bool Subscribe(const char16_t* notification, int32_t code = 0);
    void Answer(const char16_t* name, int32_t code, const char16_t* text = u"");
    void OnRequest(const char16_t* name, Hook hook);

    std::vector<Record> records;
    int detachCount = 0;

    // "<component name>:<command>" for every delivery to any recorder, in order.
    static std::vector<std::u16string>& Journal();

private:
    struct Entry {
        std::u16string name;
        int32_t code = 0;
        std::u16string text;
        Hook hook;
    };
    Entry* FindEntry(const char16_t* name);
    uint32_t AddEntry(const char16_t* name, int32_t code, const char16_t* text);

    std::map<uint32_t, Entry> m_entries; // by Receive number
};
