#include "core/KWStr.h"
#include "core/KWText.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace {

TEST(KWStr, IntegerFormsWriteDecimalOrPrefixedLowerCaseHex) {
    const struct {
        int32_t value;
        int radix;
        const char16_t* text;
    } cases[] = {
        {-1, 16, u"0xffffffff"},
        {-1, 10, u"-1"},
        {int32_t(0xC0000001), 16, u"0xc0000001"},
        {0, 16, u"0x0"},
        {INT_MIN, 10, u"-2147483648"},
        {5, 2, u"101"},
        {-1, 8, u"37777777777"},
        {35, 36, u"z"},
        {12, 0, u"12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CKWStr(c.value, c.radix).Text(), c.text);
    }
    EXPECT_EQ(CKWStr(-42).Text(), u"-42");

    CKWStr s(u"n=");
    s.AppendInt(-3);
    s += u',';
    s.AppendHex(0xABCu);
    s += u",";
    s += static_cast<const char16_t*>(nullptr);
    EXPECT_EQ(s.Text(), u"n=-3,0xabc,");
}

TEST(KWStr, AbsentTextGivesTheEmptyString) {
    EXPECT_TRUE(CKWStr(static_cast<const char16_t*>(nullptr)).IsEmpty());
    CKWStr s(u"x");
    s = static_cast<const char16_t*>(nullptr);
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.c_str()[0], u'\0');
}

TEST(KWStr, HashIsCachedUntilTheTextChanges) {
    const std::function<void(CKWStr&)> changes[] = {
        [](CKWStr& s) { s = u"Other"; },
        [](CKWStr& s) { s = std::u16string_view(u"Other"); },
        [](CKWStr& s) { s += u"x"; },
        [](CKWStr& s) { s += u'x'; },
        [](CKWStr& s) { s.AppendInt(1); },
        [](CKWStr& s) { s.AppendHex(1); },
        [](CKWStr& s) { s.AssignEscaped(u"a\\tb"); },
        [](CKWStr& s) { s.Format(u"%d", 3); },
        [](CKWStr& s) { s.AppendFormat(u"%d", 3); },
        [](CKWStr& s) { s.Clear(); },
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(testing::Message() << "change " << (&change - changes));
        CKWStr s(u"Name");
        EXPECT_EQ(s.CachedHash(), 0);
        EXPECT_EQ(s.Hash(), HashNoCase(u"name"));
        EXPECT_EQ(s.CachedHash(), s.Hash());
        change(s);
        EXPECT_EQ(s.CachedHash(), 0);
        EXPECT_EQ(s.Hash(), HashNoCase(s.c_str()));
    }
}

TEST(KWStr, AssignEscapedTurnsEscapesIntoControlCharacters) {
    const struct {
        const char16_t* source;
        const char16_t* text;
    } cases[] = {
        {u"a\\tb\\nc\\rd", u"a\tb\nc\rd"}, {u"\\\\", u"\\"}, {u"\\q\\\"", u"q\""}, {u"end\\", u"end"},
        {u"plain text", u"plain text"},    {u"", u""},       {nullptr, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        CKWStr s(u"old");
        EXPECT_EQ(s.AssignEscaped(c.source).Text(), c.text);
    }
}

TEST(KWStr, FormatFollowsPrintfOverUtf16Text) {
    const char16_t* wide = u"K\u00e9y";
    const char16_t* absent = nullptr;
    int dummy = 0;
    const struct {
        CKWStr result;
        const char16_t* text;
    } cases[] = {
        {CKWStr().Format(u"%d,%i,%u", -5, 7, 4000000000u), u"-5,7,4000000000"},
        {CKWStr().Format(u"[%5d][%-4d][%05d][%+d]", 42, 7, 3, 9), u"[   42][7   ][00003][+9]"},
        {CKWStr().Format(u"%x %X %#x %o", 255, 255, 255, 8), u"ff FF 0xff 10"},
        {CKWStr().Format(u"%lld %zu %hhd", -9000000000LL, std::size_t(12), 300), u"-9000000000 12 44"},
        {CKWStr().Format(u"%s=%hs", wide, "caf\xc3\xa9"), u"K\u00e9y=caf\u00e9"},
        {CKWStr().Format(u"[%6s][%-6s][%.2s]", wide, wide, wide), u"[   K\u00e9y][K\u00e9y   ][K\u00e9]"},
        {CKWStr().Format(u"%c%c", int(u'\u00e9'), int(u'z')), u"\u00e9z"},
        {CKWStr().Format(u"%*d|%-*d|%.*s", 4, 1, 3, 2, 1, wide), u"   1|2  |K"},
        {CKWStr().Format(u"%.2f %e %g", 3.14159, 1500.0, 0.5), u"3.14 1.500000e+03 0.5"},
        {CKWStr().Format(u"%p", reinterpret_cast<void*>(0x1234abcdULL)), u"0x1234abcd"},
        {CKWStr().Format(u"100%% %s", absent), u"100% (null)"},
        {CKWStr().Format(u"%q %5", 1), u"%q %5"},
        {CKWStr().Format(u"a%nb", &dummy), u"ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(c.result.Text(), c.text);
    }
    EXPECT_EQ(dummy, 0);

    CKWStr s(u"x=");
    s.AppendFormat(u"%d", 1);
    EXPECT_EQ(s.Text(), u"x=1");
}

TEST(KWStr, Utf8RoundTripKeepsCharactersOutsideTheBasicPlane) {
    const std::string utf8 = "a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x94\xa5";
    const CKWStr s = CKWStr::FromUtf8(utf8);
    EXPECT_EQ(s.Text(), u"a\u00e9\u65e5\U0001F525");
    EXPECT_EQ(s.ToUtf8(), utf8);
    // A truncated sequence and a lone surrogate become replacement characters.
    EXPECT_EQ(CKWStr::FromUtf8("x\xe6\x97").Text(), u"x\ufffd");
    EXPECT_EQ(CKWStr(std::u16string_view(u"\xd800y", 2)).ToUtf8(), "\xef\xbf\xbdy");
}

} // namespace
