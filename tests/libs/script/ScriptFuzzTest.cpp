// Random, mutated and randomly generated script texts: compiling and running them never crashes or
// hangs, and whatever compiles prints a form that compiles to the same program again.
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using kwtest::ScriptScope;
using kwtest::Utf8;

// Pieces the random texts are made of: the language's tokens, with some of its mistakes.
const std::vector<std::u16string> kPieces = {
    u"$a",
    u"$B",
    u"$f(",
    u"$g(",
    u"(",
    u")",
    u"{",
    u"}",
    u"if",
    u"else",
    u"return",
    u"1",
    u"0",
    u"-1",
    u"0x1F",
    u"0x",
    u"99999999999999999999",
    u"\"s\"",
    u"\"a\\\"b\"",
    u"\"",
    u"+",
    u"-",
    u"*",
    u"/",
    u"%",
    u".",
    u"==",
    u"!=",
    u"<",
    u"<=",
    u">",
    u">=",
    u"&&",
    u"||",
    u"!",
    u"=",
    u";",
    u"\n",
    u"\r\n",
    u",",
    u" ",
    u"GetLine",
    u"true",
    u"FALSE",
    u"//",
    u"&",
    u"$",
    u"\u00e9",
    u"\\",
};

// Scripts that compile, for mutation.
const std::vector<std::u16string> kSeeds = {
    u"$check = ($Mode == \"HEX\") && ($count > 0)",
    u"if ($a > 1) {\n  $b = $f($a, GetLine)\n} else if ($a == 0) {\n  return \"zero\"\n} else {\n  $b = "
    u"-$a\n}",
    u"$line = $f(GetLine, $line, $count + 1)\n$text = $line . \":\" . ($count * 2 % 7)\nreturn $text",
    u"$a = $a . $a; $a = $a . $a; $a = $a . $a; !$a || $g(1, 2) / ($a - $a)",
};

std::u16string RandomText(std::mt19937& rng) {
    std::u16string text;
    const std::size_t count = rng() % 60;
    for (std::size_t i = 0; i < count; ++i)
        text += kPieces[rng() % kPieces.size()];
    return text;
}

// A script that follows the grammar, with expressions up to depth levels deep.
std::u16string RandomExpression(std::mt19937& rng, int depth) {
    static const std::vector<std::u16string> kLeaves = {u"$a",   u"$b",      u"0",    u"7",    u"-3",
                                                        u"0xFF", u"\"HEX\"", u"\"\"", u"true", u"\"x\\ny\""};
    static const std::vector<std::u16string> kBinary = {u" . ",  u" + ",  u" - ", u" * ",  u" / ",  u" % ",
                                                        u" == ", u" != ", u" < ", u" >= ", u" && ", u" || "};
    if (depth == 0 || rng() % 3 == 0)
        return kLeaves[rng() % kLeaves.size()];
    switch (rng() % 4) {
    case 0: return (rng() % 2 ? u"!" : u"-") + RandomExpression(rng, depth - 1);
    case 1: {
        static const std::vector<std::u16string> kCalls = {u"$f(", u"$g(", u"$Unknown(GetLine"};
        std::u16string call = kCalls[rng() % kCalls.size()];
        const int count = int(rng() % 3);
        for (int i = 0; i < count; ++i)
            call += (call.back() == u'(' ? u"" : u", ") + RandomExpression(rng, depth - 1);
        return call + u")";
    }
    default:
        return u"(" + RandomExpression(rng, depth - 1) + kBinary[rng() % kBinary.size()] +
               RandomExpression(rng, depth - 1) + u")";
    }
}

std::u16string RandomScript(std::mt19937& rng, int depth = 2) {
    std::u16string script;
    const int count = 1 + int(rng() % 4);
    for (int i = 0; i < count; ++i) {
        switch (rng() % 5) {
        case 0: script += u"$a = " + RandomExpression(rng, 3); break;
        case 1:
            if (depth > 0) {
                script += u"if (" + RandomExpression(rng, 2) + u") {\n" + RandomScript(rng, depth - 1) +
                          u"\n} else if (" + RandomExpression(rng, 2) + u") { " +
                          RandomScript(rng, depth - 1) + u" } else {\n" + RandomScript(rng, depth - 1) + u"}";
                break;
            }
            [[fallthrough]];
        case 2: script += u"return " + RandomExpression(rng, 3); break;
        default: script += RandomExpression(rng, 4);
        }
        script += rng() % 2 ? u"\n" : u"; ";
    }
    return script;
}

std::u16string Mutated(std::mt19937& rng) {
    std::u16string text = kSeeds[rng() % kSeeds.size()];
    const int edits = 1 + int(rng() % 4);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = rng() % text.size();
        const std::size_t length = 1 + rng() % 6;
        switch (rng() % 4) {
        case 0: // delete
            text.erase(at, length);
            break;
        case 1: // insert a piece
            text.insert(at, kPieces[rng() % kPieces.size()]);
            break;
        case 2: // repeat a stretch
            text.insert(at, text.substr(at, length));
            break;
        default: // replace a unit
            text[at] = kPieces[rng() % kPieces.size()][0];
        }
    }
    return text;
}

// $f answers with its arguments joined; $g runs another script in the caller's scope.
int32_t Join(void*, const KWScriptCall* call, CKWStr* result) {
    for (int32_t i = 0; i < call->argc; ++i)
        *result += call->argv[i];
    return 1;
}

int32_t RunNested(void*, const KWScriptCall* call, CKWStr* result) {
    return CellRunScript(SetScript(call->scope, u"$b = $b . \"+\"; $f($b, $a)"), result);
}

void Check(const std::u16string& text) {
    ScriptScope scope;
    SetCallBack(scope, u"$f", &Join, nullptr);
    SetCallBack(scope, u"$g", &RunNested, nullptr);
    SetVar(scope, u"$a", u"3");
    const int32_t script = SetScript(scope, text.c_str());
    if (script < 0) {
        EXPECT_NE(std::u16string(GetErrStr()).find(u"line "), std::u16string::npos) << Utf8(text);
        return;
    }
    ExecScript(script);
    ASSERT_NE(GetResult(script), nullptr);

    // The printed form compiles, in a scope of its own, to a program that prints the same.
    const std::u16string printed = GetParseResult(script);
    ScriptScope again;
    const int32_t reparsed = SetScript(again, printed.c_str());
    ASSERT_GE(reparsed, 0) << Utf8(text) << "\nprinted: " << Utf8(printed) << "\n" << Utf8(GetErrStr());
    EXPECT_EQ(std::u16string(GetParseResult(reparsed)), printed) << Utf8(text);
}

TEST(ScriptFuzz, RandomAndMutatedTextsNeverCrash) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    for (int round = 0; round < 6000; ++round) {
        Check(round % 3 == 0 ? RandomText(rng) : round % 3 == 1 ? Mutated(rng) : RandomScript(rng));
        if (HasFatalFailure())
            return;
    }
    // Random units, surrogates and nulls included.
    for (int round = 0; round < 500; ++round) {
        std::u16string text(rng() % 200, u' ');
        for (char16_t& c : text)
            c = char16_t(rng() % 3 == 0 ? rng() % 0x10000 : rng() % 0x80);
        Check(text);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
