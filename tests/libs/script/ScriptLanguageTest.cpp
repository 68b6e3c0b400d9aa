// The language: what expressions and statements give, what they leave in the variables, and the
// messages of syntax and run-time errors.
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using kwtest::RunScript;
using kwtest::ScriptScope;
using kwtest::Utf8;

struct Case {
    const char16_t* script;
    std::vector<std::pair<const char16_t*, const char16_t*>> in; // variables set before the run
    const char16_t* result;
    std::vector<std::pair<const char16_t*, const char16_t*>> out; // variables expected afterwards
};

TEST(ScriptLanguage, ExpressionsAndStatementsGiveTheirTexts) {
    const Case cases[] = {
        // Literals keep their spelling; operators compute in decimal.
        {u"0x10", {}, u"0x10", {}},
        {u"0x10 + 1", {}, u"17", {}},
        {u"\"a\\\"b\\\\c\\nd\\te\"", {}, u"a\"b\\c\nd\te", {}},
        {u"\"\\DB_APP\\Key\"", {}, u"\\DB_APP\\Key", {}},
        {u"", {}, u"", {}},
        // Arithmetic, precedence, joining.
        {u"2 + 3 * 4", {}, u"14", {}},
        {u"(2 + 3) * 4", {}, u"20", {}},
        {u"7 / 2 . \"|\" . -7 / 2 . \"|\" . 7 % 3 . \"|\" . -7 % 3", {}, u"3|-3|1|-1", {}},
        {u"\"a\" . 1 + 2", {}, u"a3", {}},
        {u"- -5 . +\"0x10\"", {}, u"516", {}},
        {u"9223372036854775807 + 1", {}, u"-9223372036854775808", {}},
        {u"0xFFFFFFFFFFFFFFFF + 0", {}, u"-1", {}},
        {u"99999999999999999999 . \"\"", {}, u"99999999999999999999", {}},
        {u"$missing + 1", {}, u"1", {}},
        // Comparisons: as numbers when both sides are numbers, otherwise as texts ignoring case.
        {u"0x10 == 16", {}, u"true", {}},
        {u"\"HEX\" == \"hex\"", {}, u"true", {}},
        {u"\"abc\" < \"ABD\"", {}, u"true", {}},
        {u"\"10\" < \"9\"", {}, u"false", {}},
        {u"\"10\" < \"9a\"", {}, u"true", {}},
        {u"\"\" == 0", {}, u"false", {}},
        {u"TRUE == \"true\"", {}, u"true", {}},
        {u"3 >= 3 && 2 <= 1", {}, u"false", {}},
        // Truth.
        {u"!0 . !\"FALSE\" . !\"abc\" . !\"\" . !\"0x0\"", {}, u"truetruefalsetruetrue", {}},
        {u"1 && 0", {}, u"false", {}},
        {u"\"\" || \"x\"", {}, u"true", {}},
        // Variables: names ignore case, absent ones read as the empty text.
        {u"$check = ($Mode == \"HEX\") && ($count > 0)",
         {{u"$Mode", u"HEX"}, {u"$count", u"4"}},
         u"true",
         {{u"$check", u"true"}}},
        {u"$check = ($Mode == \"HEX\") && ($count > 0)",
         {{u"$Mode", u"hex"}, {u"$count", u""}},
         u"false",
         {{u"$check", u"false"}}},
        {u"$X = 5; return $x * 2", {}, u"10", {{u"$x", u"5"}}},
        {u"$missing", {}, u"", {{u"$missing", u"<absent>"}}},
        {u"$a = 1\n$b = $a + 1\r\n$a . $b", {}, u"12", {{u"$a", u"1"}, {u"$b", u"2"}}},
        {u"$x = 1 +\n  2 // a comment\n// another\n", {}, u"3", {{u"$x", u"3"}}},
        // Statements.
        {u"if ($n > 5) { \"big\" } else if ($n > 2) { \"mid\" } else { \"small\" }",
         {{u"n", u"10"}},
         u"big",
         {}},
        {u"if ($n > 5) { \"big\" } else if ($n > 2) { \"mid\" } else { \"small\" }",
         {{u"n", u"3"}},
         u"mid",
         {}},
        {u"if ($n > 5) { \"big\" } else if ($n > 2) { \"mid\" } else { \"small\" }",
         {{u"n", u"0"}},
         u"small",
         {}},
        {u"if ($n)\n{\n  $r = \"yes\"\n}\nelse\n{\n  $r = \"no\"\n}",
         {{u"n", u"abc"}},
         u"yes",
         {{u"r", u"yes"}}},
        {u"if (0) { 1 }", {}, u"", {}},
        {u"return 1; $x = 2", {}, u"1", {{u"x", u"<absent>"}}},
        {u"if (1) { return \"early\" } \"late\"", {}, u"early", {}},
        {u"5; return", {}, u"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.script));
        ScriptScope scope;
        for (const auto& [name, text] : c.in)
            SetVar(scope, name, text);
        const auto outcome = RunScript(scope, c.script);
        ASSERT_TRUE(outcome.compiled) << Utf8(outcome.error);
        EXPECT_EQ(outcome.error, u"");
        EXPECT_EQ(outcome.text, c.result);
        for (const auto& [name, text] : c.out)
            EXPECT_EQ(scope.Var(name), text) << Utf8(name);
    }
}

TEST(ScriptLanguage, ExecScriptGivesTheResultAsAnInteger) {
    const std::pair<const char16_t*, int32_t> cases[] = {
        {u"\"true\"", 1}, {u"\"False\"", 0}, {u"42", 42},    {u"-1", -1},   {u"0x100000001", 1},
        {u"\"abc\"", 1},  {u"\"\"", 0},      {u"1 == 2", 0}, {u"2 > 1", 1}, {u"\"0x0\"", 0},
    };
    for (const auto& [script, integer] : cases) {
        ScriptScope scope;
        EXPECT_EQ(RunScript(scope, script).integer, integer) << Utf8(script);
    }
}

TEST(ScriptLanguage, SyntaxErrorsSayWhereAndWhat) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"$x = ", u"line 1, column 6: expected an expression but found the end of the script"},
        {u"(1 + 2", u"line 1, column 7: expected ')' but found the end of the script"},
        {u"$f(1 2)", u"line 1, column 6: expected ',' or ')' in the arguments of $f but found the number 2"},
        {u"if ($x) $y = 1", u"line 1, column 9: expected '{' but found the name $y"},
        {u"if ($x) {\n  $y = 1\n",
         u"line 3, column 1: expected '}' to close the block opened at line 1, column 9 but found the end of "
         u"the script"},
        {u"$x = 1 $y = 2",
         u"line 1, column 8: expected ';' or a line break after the statement but found the "
         u"name $y"},
        {u"\n  \"abc", u"line 2, column 3: the string is not closed before the end of the line"},
        {u"1 & 2", u"line 1, column 3: '&' alone: write '&&'"},
        {u"GetLine", u"line 1, column 1: expected an expression but found the word GetLine (a bare word is a "
                     u"text only inside the arguments of a call; write \"GetLine\")"},
        {u"else { }", u"line 1, column 1: 'else' without 'if'"},
        {u"1 }", u"line 1, column 3: unexpected '}'"},
        {u"$ = 1", u"line 1, column 1: expected a name after '$'"},
        {u"0x", u"line 1, column 1: expected hexadecimal digits after '0x'"},
        {u"12ab", u"line 1, column 1: a number runs into letters"},
        {u"1 @ 2", u"line 1, column 3: unexpected character '@'"},
        {u"1 \u00e9", u"line 1, column 3: unexpected character U+00E9"},
    };
    ScriptScope scope;
    for (const auto& [script, message] : cases) {
        const auto outcome = RunScript(scope, script);
        EXPECT_FALSE(outcome.compiled) << Utf8(script);
        EXPECT_EQ(outcome.error, message) << Utf8(script);
    }
}

TEST(ScriptLanguage, NestingIsLimited) {
    ScriptScope scope;
    const std::u16string deepParentheses = std::u16string(300, u'(') + u"1" + std::u16string(300, u')');
    const std::u16string deepNot = std::u16string(300, u'!') + u"1";
    std::u16string longChain = u"1";
    for (int i = 0; i < 300; ++i)
        longChain += u" + 1";
    std::u16string deepBlocks;
    for (int i = 0; i < 300; ++i)
        deepBlocks += u"if (1) {";
    for (const std::u16string& text : {deepParentheses, deepNot, longChain, deepBlocks}) {
        const auto outcome = RunScript(scope, text.c_str());
        EXPECT_FALSE(outcome.compiled);
        EXPECT_NE(outcome.error.find(u"nests deeper than 200 levels"), std::u16string::npos)
            << Utf8(outcome.error);
    }
    // A long "else if" chain is run by one loop, not nested.
    std::u16string chain = u"if ($n == 0) { 0 }";
    for (int i = 1; i < 500; ++i)
        chain += u" else if ($n == " + CKWStr(i).Text() + u") { " + CKWStr(i).Text() + u" }";
    SetVar(scope, u"$n", u"499");
    EXPECT_EQ(RunScript(scope, chain.c_str()).text, u"499");
}

TEST(ScriptLanguage, RunTimeErrorsEndTheScriptWithAnEmptyResult) {
    const std::pair<std::u16string, const char16_t*> cases[] = {
        {u"$before = 1\n$x = 10 / (5 - 5)\n$after = 1", u"line 2, column 9: division by zero"},
        {u"$before = 1; 5 % 0", u"line 1, column 16: division by zero"},
        {u"$before = 1; \"abc\" + 1", u"line 1, column 20: 'abc' is not a number"},
        {u"$before = 1; -\"true\"", u"line 1, column 14: 'true' is not a number"},
        {u"$before = 1; $long = \"" + std::u16string(50, u'x') + u"\"; $long * 2",
         u"line 1, column 82: 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not a number"},
    };
    for (const auto& [script, message] : cases) {
        ScriptScope scope;
        const auto outcome = RunScript(scope, script.c_str());
        ASSERT_TRUE(outcome.compiled) << Utf8(outcome.error);
        EXPECT_EQ(outcome.error, message);
        EXPECT_EQ(outcome.integer, 0);
        EXPECT_EQ(outcome.text, u"");
        EXPECT_EQ(scope.Var(u"before"), u"1"); // what ran before the error stays done
        EXPECT_EQ(scope.Var(u"after"), u"<absent>");
    }
    // A text doubled without end stops at the longest text a script may build.
    ScriptScope scope;
    std::u16string doubling = u"$a = \"0123456789abcdef\"";
    for (int i = 0; i < 24; ++i)
        doubling += u"\n$a = $a . $a";
    const auto outcome = RunScript(scope, doubling.c_str());
    EXPECT_EQ(outcome.error, u"line 22, column 9: the text would be longer than 16777216 characters");
    EXPECT_EQ(scope.Var(u"a").size(), std::size_t(1) << 24);
    // A successful run clears the message.
    EXPECT_EQ(RunScript(scope, u"1").error, u"");
}

TEST(ScriptLanguage, TheParseResultShowsHowATextWasUnderstood) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"$check = ($Mode == \"HEX\") && ($count > 0)", u"$check = (($Mode == \"HEX\") && ($count > 0))"},
        {u"1 + 2 * 3 . \"x\" == $y || !$z", u"((((1 + (2 * 3)) . \"x\") == $y) || !$z)"},
        {u"$MemScript(GetLine, -1, +$x, \"a\\\"b\")", u"$MemScript(\"GetLine\", -1, +$x, \"a\\\"b\")"},
        {u"if ($a) { 1; 2 } else if ($b) {\n} else { return }\n$c = true",
         u"if ($a) { 1; 2 } else if ($b) { } else { return }; $c = true"},
    };
    ScriptScope scope;
    for (const auto& [script, printed] : cases) {
        const int32_t handle = SetScript(scope, script);
        ASSERT_GE(handle, 0) << Utf8(GetErrStr());
        EXPECT_EQ(std::u16string(GetParseResult(handle)), printed);
    }
    EXPECT_EQ(GetParseResult(-1), nullptr);
}

} // namespace
