// KWStr through the bus, on the staged dictionary.
#include "support/HostFixture.h"

#include "core/HostCommands.h"
#include "services/KWRegistry.h"
#include "services/KWStrDic.h"

#include <QFile>

namespace {

using StrCommand = HostFixture;

TEST_F(StrCommand, AnswersTextsNamesAndIds) {
    EXPECT_EQ(Run(u"KWStr Cancel").text, u"Cancel");
    EXPECT_EQ(Run(u"KWStr /Name,welcome").text, u"Welcome to Kilnworks Studio");
    EXPECT_EQ(Run(u"KWStr /Eng,cancel").text, u"Cancel");
    const KWRunResult id = Run(u"KWStr /GetIdByName,Cancel");
    ASSERT_GT(id.code, 1);
    EXPECT_EQ(id.text, CKWStr(id.code).Text());
    EXPECT_EQ(Run((u"KWStr /Id," + id.text).c_str()).text, u"Cancel");
    EXPECT_EQ(Run((u"KWStr /GetNameByid," + id.text).c_str()).text, u"Cancel");
    EXPECT_EQ(Run(u"KWStr /GetNameByEng,CANCEL").text, u"Cancel");
    EXPECT_EQ(Run(u"KWStr /GetIdByStr,cancel").code, id.code);

    const KWRunResult missing = Run(u"KWStr /GetIdByName, NoSuchName");
    EXPECT_EQ(missing.code, -10);
    EXPECT_TRUE(missing.text.empty());
    EXPECT_EQ(Run(u"KWStr").code, -10);
    EXPECT_EQ(Run(u"KWStr /TimeStampDataToStr,20260101").code, 0);
    EXPECT_EQ(Run(u"KWStr No such text").text, u"");
}

TEST_F(StrCommand, MissingIdIsLoggedInTheCommandWindow) {
    CRecorderSock log(u"CommandWindow");
    ASSERT_TRUE(log.Serve(u"KWAddCmdLog")); // the command window's, not the host's
    EXPECT_EQ(Run(u"KWStr /Id,99999").text, u"");
    ASSERT_EQ(log.records.size(), 1u);
    EXPECT_EQ(log.records[0].arguments, u"KWStrDic error : 99999");
}

TEST_F(StrCommand, SetLangStoresTheLanguageForTheNextStart) {
    EXPECT_EQ(Run(u"KWStr /SetLang").code, -10);
    EXPECT_EQ(Run(u"KWStr /SetLang,Jpn").code, 0);
    EXPECT_EQ(Run(u"KWStr /GetLang").text, u"Jpn");
    EXPECT_EQ(CKWRegistry::GetString(u"Software\\Corvane\\Kilnworks\\Studio5\\Conf", u"KWLang").Text(),
              u"Jpn");
    EXPECT_TRUE(QFile::exists(CKWRegistry::FilePath()));
    EXPECT_TRUE(CKWRegistry::FilePath().startsWith(QString::fromStdString(home.string())));
    EXPECT_EQ(Run(u"KWStr Cancel").text, u"Cancel"); // the loaded dictionary keeps its language
}

TEST_F(StrCommand, CallbacksReachTheDictionary) {
    const auto translate =
        reinterpret_cast<const char16_t* (*)(const char16_t*)>(db.GetCallbackFunc(u"Translate"));
    ASSERT_NE(translate, nullptr);
    EXPECT_EQ(std::u16string(translate(u"Cancel")), u"Cancel");
    EXPECT_EQ(std::u16string(translate(u"Select_project")), u"Select a recent project");
    for (const char16_t* name : {u"GetStrRsc", u"GetErrorCode", u"IsErrorCode"})
        EXPECT_NE(db.GetCallbackFunc(name), nullptr);
}

TEST_F(StrCommand, StagedDictionaryHoldsEveryNameTheCodeAsksFor) {
    const CKWStrDic& dictionary = CKWStrDic::Instance();
    EXPECT_GT(dictionary.Entries().size(), 30u);
    for (const CKWStr& name : ManualDictionaryNames())
        EXPECT_NE(dictionary.FindByName(name.View()), nullptr) << name.ToUtf8();
    for (const CKWStrDic::Entry& entry : dictionary.Entries()) {
        SCOPED_TRACE(entry.name.ToUtf8());
        EXPECT_FALSE(entry.eng.IsEmpty());
        EXPECT_FALSE(entry.jpn.IsEmpty());
        EXPECT_FALSE(entry.chn.IsEmpty());
    }
}

} // namespace
