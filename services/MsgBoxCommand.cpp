// KWMsgBox: message boxes built from a text description, and the file and folder choosers. The
// answer is the chosen button's index as return code and its caption (with the fields' values) as text.
#include "KWPrompt.h"
#include "KWStrDic.h"

#include "core/HostCommands.h"
#include "core/KWBusClient.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "core/MainSock.h"
#include "services/KWPath.h"

#include <string>

namespace {

constexpr int32_t kCannotShow = 2;

using Icon = KWMessageBoxRequest::Icon;

Icon IconOf(const char16_t* value) {
    if (EqualsNoCase(value, u"ERROR"))
        return Icon::Error;
    if (EqualsNoCase(value, u"QUESTION"))
        return Icon::Question;
    if (EqualsNoCase(value, u"INFO"))
        return Icon::Information;
    return Icon::Warning; // WARN, and any other word (the host's own callers write "WARNNING")
}

// The value of an option "<prefix><value>", blanks and tabs after the prefix skipped.
CKWStr ValueAfter(const char16_t* option, std::size_t prefixLength) {
    const char16_t* value = option + prefixLength;
    while (*value == u' ' || *value == u'\t')
        ++value;
    return CKWStr(value);
}

void ApplyOption(KWMessageBoxRequest& request, const char16_t* option) {
    auto prefixed = [&](const char16_t* prefix) { return StartsWithNoCase(option, prefix); };
    auto number = [&](const char16_t* prefix) {
        return ParseLong(ValueAfter(option, std::char_traits<char16_t>::length(prefix)).c_str(), 0, nullptr);
    };
    if (prefixed(u"icon="))
        request.icon = IconOf(ValueAfter(option, 5).c_str());
    else if (prefixed(u"beep="))
        request.beep = ValueAfter(option, 5);
    else if (prefixed(u"x="))
        request.x = number(u"x=");
    else if (prefixed(u"y="))
        request.y = number(u"y=");
    else if (prefixed(u"buttonWidth="))
        request.buttonWidth = number(u"buttonWidth=");
    else if (prefixed(u"buttonHeight="))
        request.buttonHeight = number(u"buttonHeight=");
    else if (prefixed(u"timeoutButtonWidth="))
        request.timeoutButtonWidth = number(u"timeoutButtonWidth=");
    else if (prefixed(u"editbox="))
        request.fields.push_back({true, ValueAfter(option, 8), false});
    else if (EqualsNoCase(option, u"editbox"))
        request.fields.push_back({true, CKWStr(), false});
    else if (prefixed(u"checkbox_on="))
        request.fields.push_back({false, ValueAfter(option, 12), true});
    else if (prefixed(u"checkbox="))
        request.fields.push_back({false, ValueAfter(option, 9), false});
    else if (prefixed(u"default="))
        request.defaultButton = ValueAfter(option, 8);
    else if (EqualsNoCase(option, u"modal"))
        request.modal = true;
    else if (EqualsNoCase(option, u"disableCloseButton"))
        request.disableCloseButton = true;
    else if (EqualsNoCase(option, u"TOPMOST"))
        request.topMost = true;
    else if (EqualsNoCase(option, u"SETFOREGROUND"))
        request.setForeground = true;
}

// A text of the result, in double quotes, a double quote inside written twice.
void AppendQuoted(CKWStr& result, std::u16string_view text) {
    result += u'"';
    for (const char16_t c : text) {
        if (c == u'"')
            result += u'"';
        result += c;
    }
    result += u'"';
}

int32_t MessageBox(const CKWTokenList& tokens, CKWStr& result) {
    KWMessageBoxRequest request;
    CKWStr options;
    // Kind words lead: the icon, and /YesNo or /YesNoCancel with translated buttons.
    int next = 0;
    std::vector<CKWStr> answerWords;
    for (; next < tokens.Count(); ++next) {
        const char16_t* word = tokens.GetToken(next);
        const struct {
            const char16_t* word;
            const char16_t* icon;
        } kKinds[] = {{u"/ERROR", u"icon=ERROR,"},
                      {u"/WARN", u"icon=WARN,"},
                      {u"/INFO", u"icon=INFO,"},
                      {u"/QUESTION", u"icon=QUESTION,"}};
        bool kind = false;
        for (const auto& k : kKinds) {
            if (EqualsNoCase(word, k.word)) {
                options += k.icon;
                kind = true;
            }
        }
        if (EqualsNoCase(word, u"/YesNo") || EqualsNoCase(word, u"/YesNoCancel")) {
            answerWords = {CKWStr(u"Yes"), CKWStr(u"No")};
            if (EqualsNoCase(word, u"/YesNoCancel"))
                answerWords.emplace_back(u"Cancel");
            kind = true;
        }
        if (!kind)
            break;
    }
    request.message = tokens.GetToken(next);
    request.caption = tokens.GetToken(next + 1);
    const CKWStr buttons(tokens.GetToken(next + 2));
    options += tokens.GetToken(next + 3);
    CKWStrDic& dictionary = CKWStrDic::Instance();
    for (std::size_t i = 0; i < answerWords.size(); ++i) {
        const char16_t* keys[] = {u"(&Y)", u"(&N)", u"(&C)"};
        CKWStr caption(dictionary.Translate(answerWords[i].View()));
        caption += keys[i];
        request.buttons.push_back(caption);
    }
    if (answerWords.size() == 3)
        request.cancelButton = 2;
    if (answerWords.empty()) {
        const CKWTokenList list(buttons.c_str(), 0, u',');
        for (int i = 0; i < list.Count(); ++i)
            request.buttons.emplace_back(list.GetToken(i));
    }
    const CKWTokenList optionList(options.c_str(), 0, u',');
    for (int i = 0; i < optionList.Count(); ++i)
        ApplyOption(request, optionList.GetToken(i));
    request.plain = request.buttons.empty() && options.IsEmpty();
    if (request.buttons.empty() && !request.plain)
        request.buttons = {CKWStr(u"yes"), CKWStr(u"no")};

    IKWPrompt* prompt = KWPrompt();
    const auto answer = prompt != nullptr ? prompt->AskMessageBox(request) : std::nullopt;
    if (!answer)
        return kCannotShow;
    if (request.plain)
        return 0;
    const bool chosen = answer->button >= 0 && std::size_t(answer->button) < request.buttons.size();
    CKWStr caption;
    if (chosen)
        caption = answerWords.empty() ? request.buttons[std::size_t(answer->button)]
                                      : answerWords[std::size_t(answer->button)];
    if (request.fields.empty()) {
        result = caption;
    } else if (chosen) {
        AppendQuoted(result, caption.View());
        for (std::size_t i = 0; i < request.fields.size(); ++i) {
            result += u",";
            AppendQuoted(result,
                         i < answer->values.size() ? answer->values[i].View() : std::u16string_view());
        }
    }
    return chosen ? answer->button : -1;
}

int32_t FileChooser(const CKWTokenList& tokens, CKWStr& result, int32_t projectId) {
    KWFileRequest request;
    request.save = tokens.TokenIs(0, u"/SAVE");
    request.multiSelect = tokens.FindToken(u"/MultiSelect") >= 0;
    const char16_t* caption = tokens.GetToken(1);
    request.caption = *caption != u'/' ? CKWStr(caption) : CKWStr();
    if (request.caption.IsEmpty())
        request.caption = u"Select file.";
    request.defaultFile = tokens.GetOptionValue(u"/File=");
    request.folder = tokens.GetOptionValue(u"/Path=");
    request.filter = tokens.GetOptionValue(u"/Filter=");
    request.defaultExtension = tokens.GetOptionValue(u"/DefExt=");
    if (const char16_t* group = tokens.GetOptionValue(u"/Group="); *group != 0) {
        CKWStr arguments(u"/GetFolderGroup,");
        arguments += group;
        if (CMainSock* host = CMainSock::Instance())
            SendForResult(host, u"KWFolder", arguments.c_str(), &request.folder, projectId);
    }
    IKWPrompt* prompt = KWPrompt();
    if (prompt == nullptr)
        return kCannotShow;
    std::vector<CKWStr> files = prompt->AskFiles(request);
    for (CKWStr& file : files) {
        const std::u16string_view name = file.View().substr(file.View().find_last_of(u'/') + 1);
        if (!request.defaultExtension.IsEmpty() && name.find(u'.') == std::u16string_view::npos) {
            if (request.defaultExtension.Text().front() != u'.')
                file += u".";
            file += request.defaultExtension.View();
        }
        if (!result.IsEmpty())
            result += u"\n";
        result += kwpath::WithSlashes(file.View()).View();
    }
    return 0;
}

int32_t FolderChooser(const CKWTokenList& tokens, CKWStr& result) {
    const char16_t* caption = tokens.GetToken(1);
    IKWPrompt* prompt = KWPrompt();
    if (prompt == nullptr)
        return kCannotShow;
    result = prompt->AskFolder(*caption != u'/' ? CKWStr(caption) : CKWStr(),
                               CKWStr(tokens.GetOptionValue(u"/Path=")));
    return 0;
}

} // namespace

int32_t KWMsgBoxCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.TokenIs(0, u"/LOAD") || tokens.TokenIs(0, u"/SAVE"))
        return FileChooser(tokens, result, projectId);
    if (tokens.TokenIs(0, u"/Folder"))
        return FolderChooser(tokens, result);
    return MessageBox(tokens, result);
}
