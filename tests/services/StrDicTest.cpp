// The string dictionary: loading (columns, ids, offsets, escapes, byte-order mark) and every look-up.
#include "services/KWStrDic.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::u16string Text(const std::optional<std::u16string_view>& found) {
    return found ? std::u16string(*found) : u"<absent>";
}

class StrDic : public testing::Test {
protected:
    void Load(std::u16string_view text, std::u16string_view language = u"Eng") {
        ASSERT_TRUE(dic.Load(text, language));
    }
    CKWStrDic dic;
};

TEST_F(StrDic, IdsCountNonEmptyLinesAndAnOffsetLineMovesThemAll) {
    Load(u"Name\tType\tEng\tJpn\n"
         u"First\tmsg\tOne\t\u4e00\n"
         u"\n"
         u"Second\terr\tTwo\t\u4e8c\r\n"
         u"\t\n"
         u"offset=1000\tmsg\n"
         u"Third\tmsg\tThree\t\u4e09\n",
         u"Jpn");
    ASSERT_EQ(dic.Entries().size(), 5u);
    EXPECT_EQ(dic.Entries()[0].id, 1002);
    EXPECT_EQ(dic.Entries()[1].id, 1003);
    EXPECT_EQ(dic.Entries()[3].id, 1005); // the offset line is an entry of its own
    EXPECT_EQ(dic.Entries()[4].id, 1006);
    EXPECT_EQ(dic.GetStrRsc(1003).Text(), u"\u4e8c");
    EXPECT_EQ(dic.GetStrRsc(-1006).Text(), u"\u4e09");
    EXPECT_TRUE(dic.IsErrorCode(1003));
    EXPECT_FALSE(dic.IsErrorCode(1002));
    EXPECT_EQ(dic.Entries()[1].eng.Text(), u"Two"); // the carriage return is trimmed
}

TEST_F(StrDic, HeaderWithoutTheNeededColumnsLoadsNothing) {
    for (const char16_t* header : {u"Eng\tJpn\nA\tB\n", u"Name\tJpn\nA\tB\n", u"Name\tEng\nA\tB\n"}) {
        EXPECT_FALSE(dic.Load(header, u"Jpn"));
        EXPECT_TRUE(dic.Entries().empty());
        EXPECT_EQ(dic.Translate(u"Plain"), CKWStr(u"Plain")); // the ASCII fallback still works
    }
}

TEST_F(StrDic, FileIsReadAsUtf16WithItsByteOrderMarkSkipped) {
    const std::string path = "/tmp/kwstrdic-" + std::to_string(getpid()) + ".tsv";
    const std::u16string text = u"\xFEFFName\tType\tEng\r\nHello\tmsg\tHello there\\nsecond line\r\n";
    std::string bytes;
    for (const char16_t c : text)
        bytes += {char(c & 0xFF), char(c >> 8)};
    std::ofstream(path, std::ios::binary) << bytes;
    ASSERT_TRUE(dic.LoadFile(path, u"Eng"));
    std::remove(path.c_str());
    EXPECT_EQ(Text(dic.Lookup(u"hello")), u"Hello there\nsecond line");
    EXPECT_FALSE(dic.LoadFile("/nonexistent/KWStrDic.tsv", u"Eng"));
    EXPECT_TRUE(dic.Entries().empty());
}

TEST_F(StrDic, LookupFindsByNameThenByWordingAndFallsBack) {
    Load(u"Name\tType\tEng\tJpn\tChn\n"
         u"Open_File\tmsg\tOpen File\t\u958b\u304f\t\u6253\u5f00\n"
         u"Has Blank\tmsg\tBlank wording\t\t\n"
         u"EngOnly\tmsg\tOnly English\t\t\n"
         u"Nothing\tmsg\t\t\t\n"
         u"Brackets\tmsg\tf(a\tb)\t\n",
         u"Jpn");
    const struct {
        const char16_t* key;
        const char16_t* answer;
    } cases[] = {
        {u"open_file", u"\u958b\u304f"},
        {u"$$eng Open File", u"\u958b\u304f"},
        {u"$$engopen file", u"\u958b\u304f"},
        {u"$$chn \u6253\u5f00", u"\u958b\u304f"},
        {u"Has Blank", u"<absent>"},
        {u"blank wording", u"Blank wording"},
        {u"EngOnly", u"Only English"},
        {u"Nothing", u"Nothing"},
        {u"$$ENG Open File", u"<absent>"},
        {u"", u"<absent>"},
        {u"Brackets", u"f(a\tb)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(Text(dic.Lookup(c.key)), c.answer);
    }
}

TEST_F(StrDic, TranslateRetriesWithoutTrailingDigitsAndKeepsPlainAscii) {
    Load(u"Name\tType\tEng\tJpn\nWatch\tmsg\tWatch\t\u30a6\u30a9\u30c3\u30c1\n");
    const struct {
        const char16_t* text;
        const char16_t* answer;
    } cases[] = {
        {u"Watch", u"Watch"},
        {u"Watch12", u"Watch12"},
        {u"Watch007", u"Watch7"},
        {u"Watch000", u"Watch0"},
        {u"Unknown text", u"Unknown text"},
        {u"\u672a\u77e5", u""},
        {u"", u""},
        {u"42", u"42"},
        {u"Watch99999999999999999999", u"Watch99999999999999999999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(dic.Translate(c.text).Text(), c.answer);
    }
    ASSERT_TRUE(dic.Load(u"Name\tType\tEng\tJpn\nWatch\tmsg\tWatch\t\u30a6\u30a9\u30c3\u30c1\n", u"Jpn"));
    EXPECT_EQ(dic.Translate(u"Watch007").Text(), u"\u30a6\u30a9\u30c3\u30c17");
}

TEST_F(StrDic, IdLookUpsReportMissingIds) {
    Load(u"Name\tType\tEng\tErr\tCommon\n"
         u"Failure\terr\tIt failed\tE1001 failure\t\n"
         u"Multi\tmsg\tfirst\t\tCOMMON:\n"
         u"multi\tmsg\tsecond\t\t\n");
    std::vector<std::u16string> reports;
    dic.SetMissingReporter([&](const CKWStr& line) { reports.push_back(line.Text()); });
    EXPECT_EQ(dic.GetErrorCode(2).Text(), u"E1001 failure");
    EXPECT_TRUE(dic.GetStrRsc(99).IsEmpty());
    EXPECT_TRUE(dic.GetErrorCode(98).IsEmpty());
    EXPECT_FALSE(dic.IsErrorCode(97));
    EXPECT_EQ(reports, (std::vector<std::u16string>{u"KWStrDic error : 99", u"GetErrorCode error : 98"}));
    EXPECT_EQ(dic.ErrByName(u"FAILURE").Text(), u"E1001 failure");
    EXPECT_EQ(dic.ErrByEng(u"it failed").Text(), u"E1001 failure");
    EXPECT_EQ(dic.LookupByEng(u"IT FAILED").Text(), u"It failed");
    EXPECT_EQ(dic.MultiLineByName(u"MULTI").Text(), u"COMMON:first\nsecond");
    EXPECT_EQ(dic.MultiLineById(3).Text(), u"first");
}

} // namespace
