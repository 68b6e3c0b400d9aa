// Scopes, variables, host functions and cells: what the engine keeps apart, what it shares, and what
// survives a host function that changes the engine while a script runs.
#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using kwtest::RunScript;
using kwtest::ScriptScope;
using kwtest::Utf8;

// A host function that records its calls and answers with its arguments joined by "|".
struct Recorder {
    static int32_t Serve(void* object, const KWScriptCall* call, CKWStr* result) {
        auto* self = static_cast<Recorder*>(object);
        std::u16string joined;
        for (int32_t i = 0; i < call->argc; ++i)
            joined += (i > 0 ? u"|" : u"") + std::u16string(call->argv[i]);
        self->calls.push_back(std::u16string(call->name) + u"(" + joined + u")");
        self->scopes.push_back(call->scope);
        self->arguments.push_back(call->argument);
        if (self->onCall)
            self->onCall(*call);
        *result = joined;
        return self->serve ? 1 : 0;
    }
    std::vector<std::u16string> calls;
    std::vector<int32_t> scopes;
    std::vector<intptr_t> arguments;
    std::function<void(const KWScriptCall&)> onCall;
    bool serve = true;
};

TEST(ScriptScopes, VariablesAndScriptsBelongToTheirScope) {
    ScriptScope memory(u"MemWin");
    ScriptScope registers(u"RegWin");
    ASSERT_GT(memory, 0);
    ASSERT_NE(memory, registers);
    EXPECT_EQ(SetVar(memory, u"$Mode", u"HEX"), 1);
    EXPECT_EQ(SetVar(registers, u"Mode", u"DEC"), 1); // the "$" may be left out

    const char16_t* text = u"$seen = $Mode";
    const int32_t inMemory = SetScript(memory, text);
    const int32_t inRegisters = SetScript(registers, text);
    EXPECT_NE(inMemory, inRegisters);
    EXPECT_EQ(SetScript(memory, text), inMemory); // the same text in the same scope: compiled once
    ExecScript(inMemory);
    ExecScript(inRegisters);
    EXPECT_EQ(memory.Var(u"seen"), u"HEX");
    EXPECT_EQ(registers.Var(u"$SEEN"), u"DEC");
    EXPECT_EQ(GetResult(inMemory), std::u16string(u"HEX"));

    // Absent, set to the empty text, removed.
    EXPECT_EQ(GetVar(memory, u"$nothing"), nullptr);
    SetVar(memory, u"$empty", u"");
    EXPECT_EQ(memory.Var(u"empty"), u"");
    SetVar(memory, u"$empty", nullptr);
    EXPECT_EQ(GetVar(memory, u"$empty"), nullptr);
    EXPECT_EQ(SetVar(memory, u"$", u"x"), 0);
    EXPECT_EQ(SetVar(12345, u"$x", u"x"), 0);
    EXPECT_EQ(GetVar(12345, u"$x"), nullptr);
}

TEST(ScriptScopes, HostFunctionsGetTheirArgumentsInOrder) {
    ScriptScope scope(u"Tree", -1, 0x5eed);
    Recorder recorder;
    ASSERT_EQ(SetCallBack(scope, u"$GetCaption", &Recorder::Serve, &recorder), 1);
    SetVar(scope, u"$key", u"42");

    auto outcome = RunScript(scope, u"$GetCaption($key, keyname, \"a,b\", 1 + 2, $GetCaption(inner))");
    EXPECT_EQ(outcome.text, u"42|keyname|a,b|3|inner");
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0], u"GetCaption(inner)"); // arguments run before the call, left to right
    EXPECT_EQ(recorder.calls[1], u"GetCaption(42|keyname|a,b|3|inner)");
    EXPECT_EQ(recorder.scopes[1], scope);
    EXPECT_EQ(recorder.arguments[1], 0x5eed);

    // Names ignore case; unknown functions and refused calls give the empty text.
    recorder.calls.clear();
    EXPECT_EQ(RunScript(scope, u"$getcaption(1) . \"|\" . $Unknown(2)").text, u"1|");
    EXPECT_EQ(recorder.calls, std::vector<std::u16string>{u"getcaption(1)"});
    recorder.serve = false;
    EXPECT_EQ(RunScript(scope, u"$GetCaption(3)").text, u"");
    recorder.serve = true;

    // && and || run their right side only when the left does not decide.
    recorder.calls.clear();
    RunScript(scope, u"0 && $GetCaption(a); 1 || $GetCaption(b); 1 && $GetCaption(c); 0 || $GetCaption(d)");
    EXPECT_EQ(recorder.calls, (std::vector<std::u16string>{u"GetCaption(c)", u"GetCaption(d)"}));

    // With case sensitivity on, only the registered spelling reaches the function.
    SetFuncCase(scope, 1);
    EXPECT_EQ(RunScript(scope, u"$getcaption(x) . $GetCaption(y)").text, u"y");
}

TEST(ScriptScopes, AliasesAndTheFallbackFindFunctions) {
    ScriptScope scope;
    Recorder recorder, fallback;
    SetCallBack(scope, u"$Translate", &Recorder::Serve, &recorder);
    EXPECT_EQ(SetAlias(scope, u"$T", u"$Translate"), 1);
    EXPECT_EQ(SetAlias(scope, u"$Tr", u"T"), 1);
    EXPECT_EQ(RunScript(scope, u"$Tr(hello)").text, u"hello");
    EXPECT_EQ(recorder.calls.back(), u"Tr(hello)");
    EXPECT_EQ(SetAlias(scope, u"$Translate", u"$Tr"), 0); // would stand for itself
    EXPECT_EQ(SetAlias(scope, u"$T", u"$t"), 0);

    // Functions no scope has reach the fallback, which sees the name written.
    EXPECT_EQ(RunScript(scope, u"$Anything(1)").text, u"");
    SetFuncCallback(&Recorder::Serve, &fallback);
    EXPECT_EQ(RunScript(scope, u"$Anything(1, 2)").text, u"1|2");
    EXPECT_EQ(fallback.calls, std::vector<std::u16string>{u"Anything(1|2)"});
    SetFuncCallback(nullptr, nullptr);
}

TEST(ScriptScopes, CellsReadThroughToTheirParent) {
    ScriptScope window(u"MemWin");
    Recorder recorder;
    SetCallBack(window, u"$MemScript", &Recorder::Serve, &recorder);
    SetVar(window, u"$Mode", u"HEX");
    SetVar(window, u"$count", u"1");

    const int32_t cell = CellGetNewScope(window, 7);
    ASSERT_GT(cell, 0);
    // Reads and calls fall through; assignments stay in the cell.
    EXPECT_EQ(RunScript(cell, u"$count = $count + 1; $MemScript(GetLine, $Mode, $count)").text,
              u"GetLine|HEX|2");
    EXPECT_EQ(recorder.arguments.back(), 7);
    EXPECT_EQ(std::u16string(GetVar(window, u"$count")), u"1");
    CKWStr text;
    EXPECT_EQ(CellGetVar(cell, u"$count", &text), 1);
    EXPECT_EQ(text.Text(), u"2");
    EXPECT_EQ(CellGetVar(cell, u"$Mode", &text), 1); // from the parent
    EXPECT_EQ(text.Text(), u"HEX");
    EXPECT_EQ(CellGetVar(cell, u"$none", &text), 0);

    // CellSetVar writes where the variable is held; CellInitVar makes variables of the cell's own.
    EXPECT_EQ(CellSetVar(cell, u"$Mode", u"ASCII"), 1);
    EXPECT_EQ(std::u16string(GetVar(window, u"$Mode")), u"ASCII");
    EXPECT_EQ(CellInitVar(cell, u"$Mode, $fresh"), 2);
    EXPECT_EQ(std::u16string(GetVar(cell, u"$Mode")), u"");
    EXPECT_EQ(std::u16string(GetVar(window, u"$Mode")), u"ASCII");

    // A cell deleted on its own leaves its parent; the others go with the parent, scripts and all.
    const int32_t shortLived = CellGetNewScope(window, 0);
    const int32_t grandchild = CellGetNewScope(cell, 0);
    EXPECT_EQ(DeleteScope(shortLived), 1);
    EXPECT_EQ(SetVar(window, u"$x", u"1"), 1);
    const int32_t script = SetScript(cell, u"$Mode");
    ASSERT_GE(script, 0);
    EXPECT_EQ(DeleteScope(window), 1);
    EXPECT_EQ(SetVar(cell, u"$x", u"1"), 0);
    EXPECT_EQ(SetVar(grandchild, u"$x", u"1"), 0);
    EXPECT_EQ(ExecScript(script), 0);
    EXPECT_EQ(GetResult(script), nullptr);
    EXPECT_EQ(std::u16string(GetErrStr()), u"there is no script " + CKWStr(script).Text());
    EXPECT_EQ(CellGetNewScope(window, 0), -1);
    EXPECT_EQ(DeleteScope(window), 0);
}

TEST(ScriptScopes, InitVarKeepsABackupThatRestoreVarGivesBack) {
    ScriptScope scope;
    SetVar(scope, u"$a", u"1");
    SetVar(scope, u"$b", u"2");
    EXPECT_EQ(RestoreVar(scope), 0); // no backup yet
    EXPECT_EQ(InitVar(scope, 1), 1);
    EXPECT_EQ(GetVar(scope, u"$a"), nullptr);
    SetVar(scope, u"$a", u"changed");
    SetVar(scope, u"$c", u"new");
    EXPECT_EQ(RestoreVar(scope), 1);
    EXPECT_EQ(scope.Var(u"a"), u"1");
    EXPECT_EQ(scope.Var(u"b"), u"2");
    EXPECT_EQ(scope.Var(u"c"), u"<absent>");
    EXPECT_EQ(RestoreVar(scope), 0); // the backup is used up

    InitVar(scope, 1);
    EXPECT_EQ(DeleteVarBackup(scope), 1);
    EXPECT_EQ(RestoreVar(scope), 0);
    EXPECT_EQ(scope.Var(u"a"), u"<absent>");
}

TEST(ScriptScopes, RunningWithParametersGivesTheVariablesBack) {
    ScriptScope scope;
    SetVar(scope, u"$line", u"before");
    const int32_t script = SetScript(scope, u"$seen = $line . \":\" . $count . \":\" . $text");
    CKWStr result;
    EXPECT_EQ(CellRunScriptParam(script, u"$line=0x100, count = 20, text=\"a,b\"", &result), 1);
    EXPECT_EQ(result.Text(), u"0x100:20:a,b"); // quoted as in any command text
    EXPECT_EQ(scope.Var(u"line"), u"before");
    EXPECT_EQ(scope.Var(u"count"), u"<absent>");
    EXPECT_EQ(scope.Var(u"seen"), u"0x100:20:a,b");

    EXPECT_EQ(CellRunScriptParam(script, u"line=1, oops", &result), 0);
    EXPECT_EQ(std::u16string(GetErrStr()), u"the parameter 'oops' is not written name=value");
    EXPECT_EQ(scope.Var(u"line"), u"before");

    EXPECT_EQ(CellRunScript(script, &result), 1);
    EXPECT_EQ(result.Text(), u"before::");
    const int32_t failing = SetScript(scope, u"1 / 0");
    EXPECT_EQ(CellRunScript(failing, &result), 0);
    EXPECT_EQ(result.Text(), u"");
}

TEST(ScriptScopes, ScriptFilesAreFoundOnTheSearchPath) {
    const std::string folder = std::string(std::getenv("HOME")) + "/scripts";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/cond.kws") << "\xEF\xBB\xBF// checks the mode\n$Mode == \"HEX\"\n";
    const char wideFile[] = "\xFF\xFE$\0x\0 \0=\0 \0\"\0\xE9\0\"\0"; // UTF-16LE: $x = "\u00e9"
    std::ofstream(folder + "/wide.kws", std::ios::binary) << std::string(wideFile, sizeof wideFile - 1);
    std::ofstream(folder + "/broken.kws") << "\n(1\n";

    ScriptScope scope;
    SetVar(scope, u"$Mode", u"hex");
    const std::u16string path = u"/no/such/folder;" + CKWStr::FromUtf8(folder).Text();
    CellSetSearchPath(path.c_str());
    CKWStr listed;
    EXPECT_EQ(CellGetSearchPath(&listed), 2);
    EXPECT_EQ(listed.Text(), path);

    const int32_t condition = CellSetScript(scope, u"cond.kws");
    ASSERT_GE(condition, 0) << Utf8(GetErrStr());
    EXPECT_EQ(ExecScript(condition), 1);
    const int32_t wide = CellSetScript(scope, (CKWStr::FromUtf8(folder).Text() + u"/wide.kws").c_str());
    ASSERT_GE(wide, 0) << Utf8(GetErrStr());
    ExecScript(wide);
    EXPECT_EQ(scope.Var(u"x"), u"\u00e9");

    EXPECT_EQ(CellSetScript(scope, u"missing.kws"), -1);
    EXPECT_EQ(std::u16string(GetErrStr()), u"the script file 'missing.kws' cannot be read");
    EXPECT_EQ(CellSetScript(scope, u"broken.kws"), -1);
    EXPECT_EQ(std::u16string(GetErrStr()),
              u"broken.kws: line 3, column 1: expected ')' but found the end of the script");
    CellSetSearchPath(nullptr);
}

TEST(ScriptScopes, HostFunctionsMayChangeTheEngineWhileAScriptRuns) {
    auto scope = std::make_unique<ScriptScope>();
    const int32_t handle = *scope;
    Recorder recorder;
    SetCallBack(handle, u"$Rewrite", &Recorder::Serve, &recorder);
    SetVar(handle, u"$x", u"a text long enough to live on the heap");

    // The first argument was read before $Rewrite changed the variable; it keeps what it read.
    recorder.onCall = [&](const KWScriptCall&) { SetVar(handle, u"$x", u"changed"); };
    EXPECT_EQ(RunScript(handle, u"$x . \"|\" . $Rewrite() . $x").text,
              u"a text long enough to live on the heap|changed");

    // Scripts run inside each other only so deep.
    const int32_t self = SetScript(handle, u"$depth = $depth + 1; $Rewrite()");
    recorder.onCall = [&](const KWScriptCall&) { ExecScript(self); };
    ExecScript(self);
    EXPECT_EQ(std::u16string(GetVar(handle, u"$depth")), u"16");

    // A host function that deletes the running script's scope: the run ends normally.
    recorder.onCall = [&](const KWScriptCall&) { DeleteScope(handle); };
    const int32_t doomed = SetScript(handle, u"$before = 1; $Rewrite(); $after = 2; \"done\"");
    EXPECT_EQ(ExecScript(doomed), 1);
    EXPECT_EQ(GetResult(doomed), nullptr);
    EXPECT_EQ(GetVar(handle, u"$before"), nullptr);
    scope.reset();
}

TEST(ScriptScopes, UninitFreesEverythingWhenTheLastUserLeaves) {
    EXPECT_EQ(Init(), 1);
    EXPECT_EQ(Init(), 2);
    const int32_t scope = SetScope(u"Short", -1, 0);
    SetVar(scope, u"$x", u"1");
    CKWStr debug;
    EXPECT_EQ(GetDebugData(scope, &debug), 1);
    EXPECT_NE(debug.Text().find(u"$x = 1"), std::u16string::npos) << debug.ToUtf8();
    Uninit();
    EXPECT_EQ(std::u16string(GetVar(scope, u"$x")), u"1");
    Uninit();
    EXPECT_EQ(GetVar(scope, u"$x"), nullptr);
    EXPECT_EQ(GetDebugData(scope, &debug), 0);
    // Handles are not reused.
    const int32_t next = SetScope(u"Next", -1, 0);
    EXPECT_GT(next, scope);
    DeleteScope(next);
}

} // namespace
