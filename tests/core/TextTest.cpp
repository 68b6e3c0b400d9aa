#include "core/KWText.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct Comparison {
    const char16_t* a;
    const char16_t* b;
    bool noCase;
    bool withCase;
};

TEST(TextCompare, EqualsFoldsOnlyAsciiLettersAndAbsentEqualsNothing) {
    const Comparison cases[] = {
        {u"/save", u"/SAVE", true, false},    {u"abc", u"abc", true, true}, {u"", u"", true, true},
        {u"\u00e9", u"\u00c9", false, false}, // letters outside A-Z compare exactly
        {u"[", u"{", false, false},           // 0x5B and 0x7B differ by 0x20 but are no letters
        {u"abc", u"abcd", false, false},      {nullptr, u"", false, false}, {nullptr, nullptr, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(EqualsNoCase(c.a, c.b), c.noCase);
        EXPECT_EQ(EqualsNoCase(c.b, c.a), c.noCase);
        EXPECT_EQ(Equals(c.a, c.b), c.withCase);
    }
}

struct Affix {
    const char16_t* s;
    const char16_t* affix;
    bool startsNoCase;
    bool endsWith;
    bool endsNoCase;
};

TEST(TextCompare, PrefixAndSuffixAreFalseForAbsentOrEmptyTexts) {
    const Affix cases[] = {
        {u"/Path=x", u"/path=", true, false, false}, {u"main.C", u".c", false, false, true},
        {u"main.c", u".c", false, true, true},       {u"ab", u"abc", false, false, false},
        {u"abc", u"", false, false, false},          {u"", u"", false, false, false},
        {nullptr, u"a", false, false, false},        {u"a", nullptr, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(StartsWithNoCase(c.s, c.affix), c.startsNoCase);
        EXPECT_EQ(EndsWith(c.s, c.affix), c.endsWith);
        EXPECT_EQ(EndsWithNoCase(c.s, c.affix), c.endsNoCase);
    }
}

TEST(TextHash, FoldsCaseKeepsLow31BitsAndNeverGivesZeroForText) {
    EXPECT_EQ(HashNoCase(u"a"), 65);
    EXPECT_EQ(HashNoCase(u"A"), 65);
    EXPECT_EQ(HashNoCase(u"ab"), 65 * 37 + 1 + 66);
    EXPECT_EQ(HashNoCase(u"Ab"), HashNoCase(u"aB"));
    EXPECT_EQ(HashNoCase(u""), 0);
    EXPECT_EQ(HashNoCase(nullptr), 0);
    // This text hashes to 0 modulo 2^31, which is reported as 1.
    EXPECT_EQ(HashNoCase(u"IKMQTW\ub41e"), 1);
    const std::u16string longText(5000, u'z');
    EXPECT_GT(HashNoCase(longText.c_str()), 0);

    std::size_t length = 99;
    HashNoCase(u"hello", &length);
    EXPECT_EQ(length, 5u);
    HashNoCase(nullptr, &length);
    EXPECT_EQ(length, 0u);
}

TEST(TextNumbers, ParseNumberRejectsWholeTextOnAnyInvalidCharacter) {
    const struct {
        const char16_t* text;
        uint32_t value;
    } cases[] = {
        {u"0x1F", 31},      {u"0X1f", 31},
        {u"12a", 0},        {u"-5", 0},
        {u"0x", 0},         {u"", 0},
        {nullptr, 0},       {u"4294967295", 0xFFFFFFFF},
        {u"4294967296", 0}, {u"0x1FFFFFFFF", 0xFFFFFFFF},
        {u" 5", 0},         {u"010", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
}

TEST(TextNumbers, ParseIntLiteralTakesSuffixesAndFallsBackOnAnythingElse) {
    const struct {
        const char16_t* text;
        int32_t value;
    } cases[] = {
        {u"42", 42},     {u"-42", -42}, {u"0x10", 16},       {u"-0x10", -16}, {u"10u", 10}, {u"10UL", 10},
        {u"0xffL", 255}, {u"12a", -7},  {u"", -7},           {nullptr, -7},   {u"-", -7},   {u"0x", -7},
        {u"u", -7},      {u" 1", -7},   {u"0xFFFFFFFF", -1}, {u"1.5", -7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(ParseIntLiteral(c.text, -7), c.value);
    }
}

TEST(TextNumbers, ParseLongFollowsTheCLibraryWithThirtyTwoBitLimits) {
    const struct {
        const char16_t* text;
        int radix;
        int32_t value;
        int consumed;
    } cases[] = {
        {u"0x10", 0, 16, 4},
        {u"010", 0, 8, 3},
        {u"10", 0, 10, 2},
        {u"  -12z", 10, -12, 5},
        {u"+7", 10, 7, 2},
        {u"0x", 0, 0, 1},
        {u"0x", 16, 0, 1},
        {u"ff", 16, 255, 2},
        {u"0xff", 16, 255, 4},
        {u"z", 36, 35, 1},
        {u"abc", 10, 0, 0},
        {u"", 0, 0, 0},
        {u"99999999999", 10, INT_MAX, 11},
        {u"-99999999999", 10, INT_MIN, 12},
        {u"-2147483648", 10, INT_MIN, 11},
        {u"08", 0, 0, 1},
        {u"12", 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const char16_t* end = nullptr;
        EXPECT_EQ(ParseLong(c.text, c.radix, &end), c.value);
        EXPECT_EQ(end - c.text, c.consumed);
    }
}

} // namespace
