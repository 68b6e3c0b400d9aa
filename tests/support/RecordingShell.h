// A shell for tests: records what the host asked the desktop to open, run or show, and does nothing.
#pragma once

#include "services/KWShell.h"

#include <memory>
#include <string>
#include <vector>

class CRecordingShell : public IKWShell {
public:
    struct Call {
        std::u16string kind; // "open", "run" or "show"
        std::u16string target;
        std::vector<std::u16string> arguments;
    };

    bool Open(std::u16string_view target) override {
        calls->push_back({u"open", std::u16string(target), {}});
        return true;
    }
    bool Run(std::u16string_view program, const std::vector<std::u16string>& arguments) override {
        calls->push_back({u"run", std::u16string(program), arguments});
        return true;
    }
    bool ShowInFolder(std::u16string_view file) override {
        calls->push_back({u"show", std::u16string(file), {}});
        return true;
    }

    // Shared with the test, which keeps it after handing the shell over.
    std::shared_ptr<std::vector<Call>> calls = std::make_shared<std::vector<Call>>();
};
