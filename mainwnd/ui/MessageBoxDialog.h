// CMessageBoxDialog: a message box laid out at run time from its description: the icon at the left of
// the message, the edit boxes and check boxes under it, one row of buttons at the bottom. Enter, Esc
// and the close box choose the buttons the description names for them.
#pragma once

#include "services/KWPrompt.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

class CMessageBoxDialog : public QDialog {
public:
    CMessageBoxDialog(const KWMessageBoxRequest& request, QWidget* parent = nullptr);

    // The answer after the box has closed.
    KWMessageBoxAnswer Answer() const;
    const std::vector<QPushButton*>& Buttons() const { return m_buttons; }
    void reject() override; // Esc and the close box

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(int button);

    const KWMessageBoxRequest m_request;
    std::vector<QPushButton*> m_buttons;
    std::vector<QLineEdit*> m_edits;  // per field; null for a check box
    std::vector<QCheckBox*> m_checks; // per field; null for an edit box
    int m_chosen = -1;
};
