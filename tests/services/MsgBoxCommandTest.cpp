// KWMsgBox through the bus with scripted answers: return codes and result texts.
#include "support/HostFixture.h"
#include "support/ScriptedPrompt.h"

#include "core/KWModuleFolder.h"
#include "services/KWStrDic.h"

namespace {

using Answer = CScriptedPrompt::Answer;
using How = Answer::How;

class MsgBox : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        auto prompt = std::make_unique<CScriptedPrompt>();
        script = prompt->script;
        SetKWPrompt(std::move(prompt));
    }
    void TearDown() override {
        SetKWPrompt(nullptr);
        HostFixture::TearDown();
    }
    std::shared_ptr<CScriptedPrompt::Script> script;
};

TEST_F(MsgBox, DescriptionsAndAnswersGiveCodeAndText) {
    const struct {
        const char16_t* line;
        Answer answer;
        int32_t code;
        const char16_t* text;
    } cases[] = {
        {u"KWMsgBox Only a message", {}, 0, u""},
        {u"KWMsgBox Text,Caption,\"YES,NO\"", {How::Enter}, 0, u"YES"},
        {u"KWMsgBox Text,Caption,\"YES,NO\"", {How::Escape}, -1, u""},
        {u"KWMsgBox Text,Caption,\"a,b,c\"", {How::Button, u"b"}, 1, u"b"},
        {u"KWMsgBox Text,,\"Retry,Cancel(&C)\"", {How::Close}, 1, u"Cancel(&C)"},
        {u"KWMsgBox Text,,\"OK,Cancel\",\"editbox=abc,checkbox_on=Tick\"",
         {How::Enter},
         0,
         u"\"OK\",\"abc\",\"ON\""},
        {u"KWMsgBox Text,,\"OK,Cancel\",\"editbox,checkbox=Tick\"",
         {How::Button, u"Cancel", {u"say \"hi\"", u"ON"}},
         1,
         u"\"Cancel\",\"say \"\"hi\"\"\",\"ON\""},
        {u"KWMsgBox Text,,\"OK\",\"editbox\"", {How::Escape}, -1, u""},
        {u"KWMsgBox Text,,,\"icon=WARNNING\"", {How::Enter}, 0, u"yes"},
        {u"KWMsgBox /QUESTION,/YesNo,\"Continue?\"", {How::Button, u"No(&N)"}, 1, u"No"},
        {u"KWMsgBox /YesNoCancel,\"Save?\"", {How::Escape}, 2, u"Cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        script->answers.push_back(c.answer);
        const KWRunResult answer = Run(c.line);
        EXPECT_EQ(answer.code, c.code);
        EXPECT_EQ(answer.text, c.text);
    }
    ASSERT_EQ(script->boxes.size(), std::size(cases));
    EXPECT_TRUE(script->boxes[0].plain);
    EXPECT_EQ(script->boxes[5].fields.size(), 2u);
    EXPECT_TRUE(script->boxes[5].fields[1].ticked);
    EXPECT_EQ(script->boxes[8].icon, KWMessageBoxRequest::Icon::Warning);
    EXPECT_EQ(script->boxes[9].icon, KWMessageBoxRequest::Icon::Question);
    EXPECT_EQ(script->boxes[9].message.Text(), u"Continue?");
}

TEST_F(MsgBox, OptionsAreReadIntoTheDescription) {
    Run(u"KWMsgBox /ERROR,Msg,Cap,\"OK\",\"icon=info,beep=OK,x=10,y= "
        u"20,buttonWidth=60,modal,default=OK,TOPMOST\"");
    ASSERT_EQ(script->boxes.size(), 1u);
    const KWMessageBoxRequest& box = script->boxes[0];
    EXPECT_EQ(box.icon, KWMessageBoxRequest::Icon::Information); // the later icon option wins
    EXPECT_EQ(box.beep.Text(), u"OK");
    EXPECT_EQ(box.x, 10);
    EXPECT_EQ(box.y, 20);
    EXPECT_EQ(box.buttonWidth, 60);
    EXPECT_TRUE(box.modal);
    EXPECT_TRUE(box.topMost);
    EXPECT_EQ(box.defaultButton.Text(), u"OK");
    EXPECT_EQ(box.caption.Text(), u"Cap");
    for (const char16_t* icon : {u"icon=warn", u"icon=anything"}) {
        Run((u"KWMsgBox m,,x,\"" + std::u16string(icon) + u"\"").c_str());
        EXPECT_EQ(script->boxes.back().icon, KWMessageBoxRequest::Icon::Warning);
    }
}

TEST_F(MsgBox, YesNoAnswersThePlainWordsInAnyLanguage) {
    ASSERT_TRUE(CKWStrDic::Instance().LoadFile(ProgramFolder() + "/../conf/KWStrDic.tsv", u"Jpn"));
    script->answers.push_back({How::Button, u"\u306f\u3044(&Y)"});
    EXPECT_EQ(Run(u"KWMsgBox /QUESTION,/YesNo,\"Continue?\"").text, u"Yes");
    EXPECT_EQ(script->boxes.back().buttons[1].Text(), u"\u3044\u3044\u3048(&N)");
    script->answers.push_back({How::Escape});
    const KWRunResult cancelled = Run(u"KWMsgBox /YesNoCancel,\"Save?\"");
    EXPECT_EQ(cancelled.text, u"Cancel"); // Esc finds the translated cancel button
    EXPECT_EQ(cancelled.code, 2);
}

TEST_F(MsgBox, FileAndFolderChoosersAnswerPaths) {
    script->files.push_back({CKWStr(u"/w/a.c"), CKWStr(u"/w/b"), CKWStr(u"/w/c.h")});
    const KWRunResult files =
        Run(u"KWMsgBox /LOAD,Pick,/Filter=C files|*.c;*.h\tAll|*,/DefExt=c,/MultiSelect");
    EXPECT_EQ(files.code, 0);
    EXPECT_EQ(files.text, u"/w/a.c\n/w/b.c\n/w/c.h");
    ASSERT_EQ(script->fileRequests.size(), 1u);
    EXPECT_TRUE(script->fileRequests[0].multiSelect);
    EXPECT_EQ(script->fileRequests[0].caption.Text(), u"Pick");
    EXPECT_EQ(script->fileRequests[0].filter.Text(), u"C files|*.c;*.h\tAll|*");

    SetApp(u"UserDir", u"/home/u/KW/");
    EXPECT_EQ(Run(u"KWMsgBox /SAVE,/Group=FilePath").text, u""); // cancelled
    EXPECT_EQ(script->fileRequests[1].caption.Text(), u"Select file.");
    EXPECT_EQ(script->fileRequests[1].folder.Text(), u"/home/u/KW/"); // no project: the user folder
    EXPECT_TRUE(script->fileRequests[1].save);

    script->folders.push_back(CKWStr(u"/w/out"));
    EXPECT_EQ(Run(u"KWMsgBox /Folder,Where,/Path=/w").text, u"/w/out");
    script->cannotShow = true;
    EXPECT_EQ(Run(u"KWMsgBox Text,,\"OK\"").code, 2);
}

} // namespace
