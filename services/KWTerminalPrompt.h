// The prompt on a terminal (console mode): the message and its numbered buttons are printed, edit
// boxes and check boxes asked in turn, and the answer typed. Lines come from the console's own input,
// so questions and command lines share one stream.
#pragma once

#include "KWPrompt.h"

#include <functional>
#include <optional>
#include <string>

class CKWTerminalPrompt : public IKWPrompt {
public:
    using ReadLine = std::function<std::optional<std::string>()>; // nothing at the end of input
    using Write = std::function<void(const std::string&)>;

    CKWTerminalPrompt(ReadLine readLine, Write write);

    std::optional<KWMessageBoxAnswer> AskMessageBox(const KWMessageBoxRequest& request) override;
    std::vector<CKWStr> AskFiles(const KWFileRequest& request) override;
    CKWStr AskFolder(const CKWStr& caption, const CKWStr& folder) override;

private:
    std::optional<std::string> Ask(const std::string& question);

    ReadLine m_readLine;
    Write m_write;
};
