#include "TokenListTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::u16string>;

TEST(TokenListSplit, CommaSplitHonoursQuotesBracketsAndTrimming) {
    const struct {
        const char16_t* text;
        int maxTokens;
        Tokens tokens;
    } cases[] = {
        {u"", 0, {}},
        {nullptr, 0, {}},
        {u" /Open , \"C:\\My Dir\\x.kwp5\" ", 0, {u"/Open", u"C:\\My Dir\\x.kwp5"}},
        {u"f(1,2),3", 0, {u"f(1,2)", u"3"}},
        {u"say \"a,b\" now,x", 0, {u"say a,b now", u"x"}},
        {u"it''s", 0, {u"it's"}},
        {u"  a  ,  b  ", 0, {u"a", u"b"}},
        {u"a,,b", 0, {u"a", u"", u"b"}},
        {u"a,", 0, {u"a", u""}},
        {u"   ", 0, {u""}},
        {u"\"abc  \"", 0, {u"abc"}},
        {u"\"  abc\"", 0, {u"  abc"}},
        {u"'x,y',z", 0, {u"x,y", u"z"}},
        {u"\"open,to end", 0, {u"open,to end"}},
        {u"a'b,c", 0, {u"ab,c"}},
        {u"g([1,{2,3}],4),5", 0, {u"g([1,{2,3}],4)", u"5"}},
        {u"(\"a,b\"),c", 0, {u"(\"a,b\")", u"c"}},
        {u"x),y", 0, {u"x)", u"y"}},
        {u"f(1,2", 0, {u"f(1,2"}},
        {u"/ADDVALUE, key, name, x,y", 4, {u"/ADDVALUE", u"key", u"name", u"x,y"}},
        {u"a, \"b,c\" ,d  ", 2, {u"a", u"\"b,c\" ,d  "}},
        {u" a , b , c ", 1, {u"a, b , c"}},
        {u"a,b", 5, {u"a", u"b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(TokensOf(CKWTokenList(c.text, c.maxTokens, u',')), c.tokens);
    }
}

TEST(TokenListSplit, SwitchesTurnRulesOffAndLineFeedTakesCrLf) {
    const struct {
        const char16_t* text;
        char16_t sep;
        bool noQuotes, noBrackets, keepBlanks;
        Tokens tokens;
    } cases[] = {
        {u"  a  ,  b  ", u',', false, false, true, {u"  a  ", u"  b  "}},
        {u"\"a,b\",c", u',', true, false, false, {u"\"a", u"b\"", u"c"}},
        {u"f(1,2),3", u',', false, true, false, {u"f(1", u"2)", u"3"}},
        {u"a\r\nb\rc\n", u'\n', true, true, true, {u"a", u"b\rc", u""}},
        {u"x \r\n y", u'\n', false, false, false, {u"x", u"y"}},
        {u"KWDB   /KEY,x", u' ', false, false, false, {u"KWDB", u"/KEY,x"}},
        {u"a  b", u' ', true, true, true, {u"a", u"b"}},
        {u"\" a \"", u',', false, false, true, {u" a "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(TokensOf(CKWTokenList(c.text, c.sep, c.noQuotes, c.noBrackets, c.keepBlanks)), c.tokens);
    }
}

TEST(TokenListSplit, BlankSeparatorWithLimitKeepsTheRestVerbatim) {
    const CKWTokenList tokens(u"KWDB   /KEY,x  ", 2, u' ');
    EXPECT_EQ(TokensOf(tokens), (Tokens{u"KWDB", u"/KEY,x  "}));
}

// Builds "t0,,t2,,t4..." (every odd token empty) and the expected tokens.
Tokens ManyTokens(int count, std::u16string& text, char16_t sep) {
    Tokens expected;
    for (int i = 0; i < count; ++i) {
        expected.push_back(i % 2 ? u"" : u"t" + std::u16string(1, char16_t(u'A' + i % 26)));
        text += expected.back();
        if (i + 1 < count)
            text += sep;
    }
    return expected;
}

TEST(TokenListRead, TokensPastTheTenthAreFoundInAnyOrder) {
    std::u16string commaText, lineText;
    const Tokens expected = ManyTokens(31, commaText, u',');
    ManyTokens(31, lineText, u'\n');
    const int order[] = {0, 12, 13, 30, 29, 10, 9, 11, 25, 14, 30, 10, 20, 19, 18, 31, -1, 5};
    for (const bool lineMode : {false, true}) {
        SCOPED_TRACE(lineMode ? "raw line mode" : "comma split");
        const CKWTokenList tokens = lineMode ? CKWTokenList(lineText.c_str(), u'\n', true, true, true)
                                             : CKWTokenList(commaText.c_str(), 0, u',');
        ASSERT_EQ(tokens.Count(), 31);
        EXPECT_EQ(TokensOf(tokens), expected);
        for (int i = 30; i >= 0; --i)
            EXPECT_EQ(tokens.GetToken(i), expected[std::size_t(i)]) << "backwards " << i;
        for (const int i : order) {
            const std::u16string want = i >= 0 && i < 31 ? expected[std::size_t(i)] : u"";
            EXPECT_EQ(tokens.GetToken(i), want) << "token " << i;
        }
    }
}

TEST(TokenListRead, OutOfRangeGivesTheEmptyTextNeverNull) {
    const CKWTokenList empty(u"", 0, u',');
    EXPECT_EQ(empty.Count(), 0);
    for (const int i : {-1, 0, 1}) {
        ASSERT_NE(empty.GetToken(i), nullptr);
        EXPECT_EQ(empty.GetToken(i)[0], u'\0');
    }
    const CKWTokenList two(u"a,b", 0, u',');
    EXPECT_EQ(std::u16string(two.GetToken(2)), u"");
    EXPECT_EQ(std::u16string(two.GetToken(-5)), u"");
}

TEST(TokenListRead, MovedListKeepsItsTokens) {
    CKWTokenList source(u"a,b,c,d,e,f,g,h,i,j,k,l", 0, u',');
    EXPECT_EQ(std::u16string(source.GetToken(11)), u"l");
    CKWTokenList moved(std::move(source));
    EXPECT_EQ(source.Count(), 0);
    EXPECT_EQ(moved.Count(), 12);
    EXPECT_EQ(std::u16string(moved.GetToken(11)), u"l");
    EXPECT_EQ(std::u16string(moved.GetToken(10)), u"k");
}

TEST(TokenListLookUp, FindsTokensAndPrefixesIgnoringCase) {
    const CKWTokenList tokens(u"/Win,key,/Path= C:\\x,/path=second,/KEY:aaa=  bbb,/Silent", 0, u',');
    EXPECT_EQ(tokens.FindToken(u"/WIN"), 0);
    EXPECT_EQ(tokens.FindToken(u"/silent"), 5);
    EXPECT_EQ(tokens.FindToken(u"/Wi"), -1);
    EXPECT_EQ(tokens.FindToken(nullptr), -1);
    EXPECT_TRUE(tokens.TokenIs(1, u"KEY"));
    EXPECT_FALSE(tokens.TokenIs(6, u""));
    EXPECT_FALSE(tokens.TokenIs(1, nullptr));
    EXPECT_FALSE(tokens.TokenIs(-1, u"/Win"));

    const struct {
        const char16_t* prefix;
        int first, last, index;
    } prefixes[] = {
        {u"/PATH=", 0, -1, 2}, {u"/path=", 3, -1, 3}, {u"/path=", -4, 99, 2}, {u"/path=", 4, 5, -1},
        {u"/k", 0, 3, -1},     {u"/k", 0, 4, 4},      {u"", 0, -1, -1},       {nullptr, 0, -1, -1},
    };
    for (const auto& p : prefixes) {
        SCOPED_TRACE(testing::Message() << "prefix case " << (&p - prefixes));
        EXPECT_EQ(tokens.FindPrefix(p.prefix, p.first, p.last), p.index);
    }

    EXPECT_EQ(std::u16string(tokens.GetOptionValue(u"/path=")), u"C:\\x");
    EXPECT_EQ(std::u16string(tokens.GetOptionValue(u"/Missing=")), u"");
    EXPECT_EQ(std::u16string(tokens.GetOptionValueAfter(u"/KEY:", u'=')), u"bbb");
    EXPECT_EQ(std::u16string(tokens.GetOptionValueAfter(u"/Win", u'=')), u"");
    EXPECT_EQ(std::u16string(tokens.GetOptionValueAfter(u"/Missing", u'=')), u"");
}

TEST(TokenListLookUp, OptionIntegersNeedTheWholeRestToBeANumber) {
    const struct {
        const char16_t* text;
        int32_t asInt;
        int32_t afterEquals;
    } cases[] = {
        {u"/Pos=0x10", 16, 16}, {u"/Pos=010", 8, 8},     {u"/Pos=1x", 7, 7},
        {u"/Pos=", 7, 7},       {u"/Pos=-12", -12, -12}, {u"/pos=  5", 5, 5},
        {u"/Pos=5 6", 7, 7},    {u"/Other=1", 7, 7},     {u"/Position=3", 7, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const CKWTokenList tokens(c.text, 0, u'\n');
        EXPECT_EQ(tokens.GetOptionInt(u"/Pos=", 7), c.asInt);
        EXPECT_EQ(tokens.GetOptionIntAfterEquals(u"/Pos", 7), c.afterEquals);
    }
}

TEST(TokenListLookUp, TokenNumbersCollectErrorsInOneFlag) {
    const CKWTokenList tokens(u"12,0x1F,ff,,3z", 0, u',');
    bool error = false;
    EXPECT_EQ(tokens.GetTokenInt(0, 10, -1, &error), 12);
    EXPECT_EQ(tokens.GetTokenInt(1, 0, -1, &error), 31);
    EXPECT_EQ(tokens.GetTokenInt(2, 16, -1, &error), 255);
    EXPECT_EQ(tokens.GetTokenInt(3, 10, -1, &error), -1); // empty token: the fallback, no error
    EXPECT_FALSE(error);
    EXPECT_EQ(tokens.GetTokenInt(4, 10, -1, &error), 3);
    EXPECT_TRUE(error);
    error = false;
    EXPECT_EQ(tokens.GetTokenInt(9, 10, -1, &error), -1);
    EXPECT_TRUE(error);
    EXPECT_EQ(tokens.GetTokenInt(9, 10, -1), -1);

    EXPECT_EQ(tokens.GetTokenNumber(1), 31u);
    EXPECT_EQ(tokens.GetTokenNumber(4), 0u);
    EXPECT_EQ(tokens.GetTokenNumber(9), 0u);
}

} // namespace
