#include "MessageBoxDialog.h"

#include "services/KWQtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// "Yes(&Y)" and "&Yes" become Qt's "&Yes" mnemonic form for the button text.
QString ButtonText(const CKWStr& caption) {
    QString text = ToQString(caption);
    const qsizetype key = text.indexOf(QStringLiteral("(&"));
    if (key >= 0 && key + 2 < text.size() && text.indexOf(u')', key) == key + 3) {
        const QChar letter = text.at(key + 2);
        text.remove(key, 4);
        const qsizetype at = text.indexOf(letter, 0, Qt::CaseInsensitive);
        text = at >= 0 ? text.insert(at, u'&') : text + QStringLiteral(" (&") + letter + u')';
    }
    return text;
}

QStyle::StandardPixmap PixmapOf(KWMessageBoxRequest::Icon icon) {
    switch (icon) {
    case KWMessageBoxRequest::Icon::Error: return QStyle::SP_MessageBoxCritical;
    case KWMessageBoxRequest::Icon::Question: return QStyle::SP_MessageBoxQuestion;
    case KWMessageBoxRequest::Icon::Information: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_MessageBoxWarning;
    }
}

} // namespace

CMessageBoxDialog::CMessageBoxDialog(const KWMessageBoxRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setWindowTitle(request.caption.IsEmpty() ? QStringLiteral("Kilnworks Studio")
                                             : ToQString(request.caption));
    setModal(true);
    if (request.topMost)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    if (request.disableCloseButton)
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    if (request.icon != KWMessageBoxRequest::Icon::None) {
        auto* icon = new QLabel(this);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(PixmapOf(request.icon), nullptr, this).pixmap(size, size));
        icon->setAlignment(Qt::AlignTop);
        top->addWidget(icon);
    }
    auto* message = new QLabel(ToQString(request.message), this);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(message, 1);
    layout->addLayout(top);
    for (const KWMessageBoxRequest::Field& field : request.fields) {
        if (field.editBox) {
            auto* edit = new QLineEdit(ToQString(field.text), this);
            edit->setMaxLength(1000);
            layout->addWidget(edit);
            m_edits.push_back(edit);
            m_checks.push_back(nullptr);
        } else {
            auto* check = new QCheckBox(ToQString(field.text), this);
            check->setChecked(field.ticked);
            layout->addWidget(check);
            m_edits.push_back(nullptr);
            m_checks.push_back(check);
        }
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (std::size_t i = 0; i < request.buttons.size(); ++i) {
        auto* button = new QPushButton(ButtonText(request.buttons[i]), this);
        button->setAutoDefault(false);
        if (request.buttonWidth > 0)
            button->setMinimumWidth(request.buttonWidth * fontMetrics().averageCharWidth() /
                                    4); // dialog units
        if (request.buttonHeight > 0)
            button->setMinimumHeight(request.buttonHeight * fontMetrics().height() / 8);
        connect(button, &QPushButton::clicked, this, [this, i] { Choose(int(i)); });
        if (request.buttons[i] == request.defaultButton)
            button->setFocus();
        row->addWidget(button);
        m_buttons.push_back(button);
    }
    layout->addLayout(row);
    if (request.x && request.y)
        move(*request.x, *request.y);
}

void CMessageBoxDialog::Choose(int button) {
    m_chosen = button;
    if (button >= 0)
        accept();
    else
        QDialog::reject();
}

void CMessageBoxDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Choose(m_request.EnterButton());
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMessageBoxDialog::reject() { Choose(m_request.EscapeButton()); }

KWMessageBoxAnswer CMessageBoxDialog::Answer() const {
    KWMessageBoxAnswer answer;
    answer.button = m_chosen;
    for (std::size_t i = 0; i < m_edits.size(); ++i)
        answer.values.push_back(m_edits[i] != nullptr ? ToKWStr(m_edits[i]->text())
                                                      : CKWStr(m_checks[i]->isChecked() ? u"ON" : u"OFF"));
    return answer;
}
