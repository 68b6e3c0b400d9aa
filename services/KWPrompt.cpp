#include "KWPrompt.h"

#include "core/KWText.h"

namespace {

std::unique_ptr<IKWPrompt>& Current() {
    static std::unique_ptr<IKWPrompt> prompt;
    return prompt;
}

// A caption without its access key "(&X)" or "&", for comparing with a button word.
CKWStr PlainCaption(const CKWStr& caption) {
    std::u16string text(caption.View());
    if (const auto open = text.find(u"(&");
        open != std::u16string::npos && text.find(u')', open) != std::u16string::npos)
        text.erase(open, text.find(u')', open) - open + 1);
    std::erase(text, u'&');
    return CKWStr(TrimBlanks(text));
}

} // namespace

int KWMessageBoxRequest::EnterButton() const {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const CKWStr caption = PlainCaption(buttons[i]);
        if (EqualsNoCase(caption.c_str(), u"OK") || EqualsNoCase(caption.c_str(), u"YES"))
            return int(i);
    }
    return buttons.empty() ? -1 : 0;
}

int KWMessageBoxRequest::EscapeButton() const {
    if (cancelButton >= 0)
        return cancelButton;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (EqualsNoCase(PlainCaption(buttons[i]).c_str(), u"CANCEL"))
            return int(i);
    return -1;
}

IKWPrompt* KWPrompt() { return Current().get(); }
void SetKWPrompt(std::unique_ptr<IKWPrompt> prompt) { Current() = std::move(prompt); }
