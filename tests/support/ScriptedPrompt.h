// A prompt for tests: records every question and answers from a queue of scripted answers, by button
// caption, Enter, Esc or the close box, with the texts of edit boxes and the ticks of check boxes.
#pragma once

#include "services/KWPrompt.h"

#include "core/KWText.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CScriptedPrompt : public IKWPrompt {
public:
    struct Answer {
        enum class How { Button, Enter, Escape, Close } how = How::Enter;
        std::u16string button;              // with How::Button: the caption as written
        std::vector<std::u16string> values; // per field, in order: edit texts; "ON"/"OFF" for check boxes
    };
    struct Script {
        std::deque<Answer> answers;
        std::deque<std::vector<CKWStr>> files; // answers of the file choosers
        std::deque<CKWStr> folders;
        std::vector<KWMessageBoxRequest> boxes; // what was asked
        std::vector<KWFileRequest> fileRequests;
        bool cannotShow = false;
    };

    std::optional<KWMessageBoxAnswer> AskMessageBox(const KWMessageBoxRequest& request) override {
        script->boxes.push_back(request);
        if (script->cannotShow)
            return std::nullopt;
        KWMessageBoxAnswer answer;
        Answer scripted = script->answers.empty() ? Answer{} : script->answers.front();
        if (!script->answers.empty())
            script->answers.pop_front();
        switch (scripted.how) {
        case Answer::How::Button:
            for (std::size_t i = 0; i < request.buttons.size(); ++i)
                if (request.buttons[i].Text() == scripted.button)
                    answer.button = int(i);
            break;
        case Answer::How::Enter: answer.button = request.EnterButton(); break;
        case Answer::How::Escape:
        case Answer::How::Close: answer.button = request.EscapeButton(); break;
        }
        for (std::size_t i = 0; i < request.fields.size(); ++i) {
            const auto& field = request.fields[i];
            if (i < scripted.values.size())
                answer.values.emplace_back(scripted.values[i]);
            else
                answer.values.push_back(field.editBox ? field.text : CKWStr(field.ticked ? u"ON" : u"OFF"));
        }
        return answer;
    }

    std::vector<CKWStr> AskFiles(const KWFileRequest& request) override {
        script->fileRequests.push_back(request);
        if (script->files.empty())
            return {};
        auto files = script->files.front();
        script->files.pop_front();
        return files;
    }

    CKWStr AskFolder(const CKWStr&, const CKWStr&) override {
        if (script->folders.empty())
            return {};
        CKWStr folder = script->folders.front();
        script->folders.pop_front();
        return folder;
    }

    // Shared with the test, which keeps it after handing the prompt over.
    std::shared_ptr<Script> script = std::make_shared<Script>();
};
