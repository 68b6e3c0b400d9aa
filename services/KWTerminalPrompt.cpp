#include "KWTerminalPrompt.h"

#include "KWPath.h"

#include "core/KWText.h"

#include <QDir>

#include <cstdlib>

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A typed path, made absolute against the current folder.
CKWStr TypedPath(const std::string& line) {
    const CKWStr path = CKWStr::FromUtf8(Trimmed(line));
    if (path.IsEmpty() || kwpath::IsAbsolute(path.View()))
        return path;
    return kwpath::Join(CKWStr::FromUtf8(QDir::currentPath().toStdString()).View(), path.View());
}

} // namespace

CKWTerminalPrompt::CKWTerminalPrompt(ReadLine readLine, Write write)
    : m_readLine(std::move(readLine)), m_write(std::move(write)) {}

std::optional<std::string> CKWTerminalPrompt::Ask(const std::string& question) {
    m_write(question);
    auto line = m_readLine();
    if (!line)
        m_write("\n");
    return line;
}

std::optional<KWMessageBoxAnswer> CKWTerminalPrompt::AskMessageBox(const KWMessageBoxRequest& request) {
    const std::string caption = request.caption.IsEmpty() ? "Kilnworks Studio" : request.caption.ToUtf8();
    m_write("[" + caption + "] " + request.message.ToUtf8() + "\n");
    KWMessageBoxAnswer answer;
    if (request.plain) {
        answer.button = 0;
        return answer;
    }
    for (const KWMessageBoxRequest::Field& field : request.fields) {
        if (field.editBox) {
            const auto line = Ask("  text [" + field.text.ToUtf8() + "]: ");
            const std::string typed = line ? Trimmed(*line) : std::string();
            answer.values.push_back(typed.empty() ? field.text : CKWStr::FromUtf8(typed));
        } else {
            const auto line = Ask("  " + field.text.ToUtf8() + (field.ticked ? " [Y/n]: " : " [y/N]: "));
            const std::string typed = line ? Trimmed(*line) : std::string();
            const bool ticked = typed.empty() ? field.ticked : (typed[0] == 'y' || typed[0] == 'Y');
            answer.values.emplace_back(ticked ? u"ON" : u"OFF");
        }
    }
    std::string choices;
    for (std::size_t i = 0; i < request.buttons.size(); ++i)
        choices += "  " + std::to_string(i + 1) + ") " + request.buttons[i].ToUtf8();
    m_write(choices + "\n");
    const int enter = request.EnterButton();
    for (;;) {
        const auto line = Ask("Choose 1-" + std::to_string(request.buttons.size()) +
                              (enter >= 0 ? " [" + std::to_string(enter + 1) + "]" : std::string()) + ": ");
        if (!line) {
            answer.button = request.EscapeButton(); // the end of input is Esc
            return answer;
        }
        const std::string typed = Trimmed(*line);
        if (typed.empty()) {
            answer.button = enter;
            return answer;
        }
        if (typed == "esc" || typed == "Esc" || typed == "ESC") {
            answer.button = request.EscapeButton();
            return answer;
        }
        char* end = nullptr;
        const long number = std::strtol(typed.c_str(), &end, 10);
        if (*end == 0 && number >= 1 && std::size_t(number) <= request.buttons.size()) {
            answer.button = int(number - 1);
            return answer;
        }
        for (std::size_t i = 0; i < request.buttons.size(); ++i) {
            if (EqualsNoCase(request.buttons[i].c_str(), CKWStr::FromUtf8(typed).c_str())) {
                answer.button = int(i);
                return answer;
            }
        }
    }
}

std::vector<CKWStr> CKWTerminalPrompt::AskFiles(const KWFileRequest& request) {
    m_write("[" + request.caption.ToUtf8() + "]" +
            (request.folder.IsEmpty() ? std::string() : " in " + request.folder.ToUtf8()) + "\n");
    std::vector<CKWStr> files;
    for (;;) {
        const auto line = Ask(request.multiSelect ? "  file (empty line ends): " : "  file: ");
        if (!line || Trimmed(*line).empty())
            break;
        files.push_back(TypedPath(*line));
        if (!request.multiSelect)
            break;
    }
    return files;
}

CKWStr CKWTerminalPrompt::AskFolder(const CKWStr& caption, const CKWStr& folder) {
    const auto line =
        Ask("[" + (caption.IsEmpty() ? std::string("Select folder.") : caption.ToUtf8()) + "] folder" +
            (folder.IsEmpty() ? std::string() : " [" + folder.ToUtf8() + "]") + ": ");
    if (!line)
        return {};
    const std::string typed = Trimmed(*line);
    return typed.empty() ? folder : TypedPath(typed);
}
