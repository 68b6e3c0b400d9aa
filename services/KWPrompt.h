// The prompt service: every question to the user goes through it — message boxes built from a
// description, file and folder choosers. It has three implementations behind this interface: Qt
// dialogs, the terminal (console mode), and a scripted queue for tests.
#pragma once

#include "core/KWStr.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct KWMessageBoxRequest {
    enum class Icon { None, Error, Question, Warning, Information };
    struct Field {
        bool editBox = false; // otherwise a check box
        CKWStr text;          // the edit box's default text, or the check box's caption
        bool ticked = false;
    };

    CKWStr message;
    CKWStr caption;              // empty: the product's full name
    std::vector<CKWStr> buttons; // captions as written, access keys "(&X)" included
    Icon icon = Icon::None;
    CKWStr beep;
    std::optional<int> x, y;
    int buttonWidth = 0, buttonHeight = 0, timeoutButtonWidth = 0; // 0: the implementation's own
    bool modal = false, disableCloseButton = false, topMost = false, setForeground = false;
    std::vector<Field> fields; // edit boxes and check boxes, in the order of the options
    CKWStr defaultButton;
    bool plain = false;    // no buttons and no options: the standard box with an OK button
    int cancelButton = -1; // the cancel button when its caption is translated (found by caption otherwise)

    // Enter chooses "OK" or "YES" (ignoring case), else the first button; Esc and the close box
    // choose "CANCEL", else no button (-1).
    int EnterButton() const;
    int EscapeButton() const;
};

struct KWMessageBoxAnswer {
    int button = -1;            // index into the buttons; -1: none chosen
    std::vector<CKWStr> values; // per field: the edit text, or "ON" / "OFF"
};

struct KWFileRequest {
    bool save = false;
    bool multiSelect = false;
    CKWStr caption; // "Select file." when none was given
    CKWStr defaultFile;
    CKWStr folder;
    // Entries "<description>|<pattern>[;<pattern>]" separated by tabs.
    CKWStr filter;
    CKWStr defaultExtension;
};

class IKWPrompt {
public:
    virtual ~IKWPrompt() = default;
    // Nothing when no box can be shown.
    virtual std::optional<KWMessageBoxAnswer> AskMessageBox(const KWMessageBoxRequest& request) = 0;
    // Full paths of the chosen files; none when cancelled.
    virtual std::vector<CKWStr> AskFiles(const KWFileRequest& request) = 0;
    // The chosen folder; empty when cancelled.
    virtual CKWStr AskFolder(const CKWStr& caption, const CKWStr& folder) = 0;
};

// The prompt in use; none until a front end or a test sets one (then boxes cannot be shown).
IKWPrompt* KWPrompt();
void SetKWPrompt(std::unique_ptr<IKWPrompt> prompt);
