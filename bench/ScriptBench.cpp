// The script engine through the host's accessor: one compiled condition run a million times beside
// the same condition written in C++ over the same texts; a call of a host function beside calling it
// directly; and compiling a window script beside splitting its text into lines.
#include "support/BenchMain.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWScriptEngine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const char16_t* const kCondition = u"$check = ($Mode == \"HEX\") && ($count > 0)";

// A script the size of a list window's message handler.
const char16_t* const kWindowScript = uR"(// what the memory window does with a message
if ($param == "GetLine") {
    $line = $MemScript(GetLine, $line, $count, $forward)
} else if ($param == "ChangeMode") {
    $Mode = $MemScript(ChangeMode, $Mode)
    $check = ($Mode == "HEX") && ($count > 0)
} else if ($param == "TargetStop" || $param == "TargetReset") {
    $MemScript(Refresh, $line . ":" . ($count * 16))
} else {
    return "false"
}
return $check
)";

int32_t Answer(void*, const KWScriptCall* call, CKWStr* result) {
    *result = call->argv[call->argc - 1];
    return 1;
}

struct Engine {
    Engine() {
        engine.Load();
        scope = engine.SetScope(u"Bench");
        engine.SetVar(scope, u"$Mode", u"HEX");
        engine.SetVar(scope, u"$count", u"16");
        engine.SetVar(scope, u"$line", u"0x1000");
        engine.SetCallBack(scope, u"$MemScript", &Answer, nullptr);
        condition = engine.SetScript(scope, kCondition);
        call = engine.SetScript(scope, u"$MemScript(GetLine, $line, 20)");
    }
    CKWScriptEngine engine;
    int32_t scope = -1;
    int32_t condition = -1;
    int32_t call = -1;
};

Engine& TheEngine() {
    static Engine engine;
    return engine;
}

void RunCondition(benchmark::State& state) {
    Engine& e = TheEngine();
    if (e.condition < 0)
        state.SkipWithError("the script engine is missing");
    for (auto _ : state)
        benchmark::DoNotOptimize(e.engine.ExecScript(e.condition));
}

// The same condition in C++: the variables are texts, the count is read as a number, the truth is
// written back as a text.
void DirectCondition(benchmark::State& state) {
    std::u16string mode = u"HEX", count = u"16", check;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mode.data());
        benchmark::DoNotOptimize(count.data());
        const char16_t* end = nullptr;
        const int32_t number = ParseLong(count.c_str(), 0, &end);
        const bool result = EqualsNoCase(mode.c_str(), u"HEX") && *end == 0 && number > 0;
        check = result ? u"true" : u"false";
        benchmark::DoNotOptimize(check.data());
    }
}

void RunCall(benchmark::State& state) {
    Engine& e = TheEngine();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.engine.ExecScript(e.call));
}

void DirectCall(benchmark::State& state) {
    const std::u16string line = u"0x1000";
    for (auto _ : state) {
        const char16_t* argv[] = {u"GetLine", line.c_str(), u"20"};
        const KWScriptCall call{u"MemScript", 3, argv, 1, 0};
        CKWStr result;
        benchmark::DoNotOptimize(Answer(nullptr, &call, &result));
        benchmark::DoNotOptimize(result.c_str());
    }
}

void CompileWindowScript(benchmark::State& state) {
    Engine& e = TheEngine();
    for (auto _ : state) {
        const int32_t scope = e.engine.SetScope(u"Compile");
        benchmark::DoNotOptimize(e.engine.SetScript(scope, kWindowScript));
        e.engine.DeleteScope(scope);
    }
}

void SplitWindowScriptLines(benchmark::State& state) {
    for (auto _ : state) {
        const CKWTokenList lines(kWindowScript, u'\n', true, true, true);
        benchmark::DoNotOptimize(lines.GetToken(lines.Count() - 1));
    }
}

BENCHMARK(RunCondition)->Iterations(1000000);
BENCHMARK(DirectCondition)->Iterations(1000000);
BENCHMARK(RunCall);
BENCHMARK(DirectCall);
BENCHMARK(CompileWindowScript);
BENCHMARK(SplitWindowScriptLines);

const kwbench::Compare compareCondition("RunCondition/iterations:1000000",
                                        "DirectCondition/iterations:1000000");
const kwbench::Compare compareCall("RunCall", "DirectCall");
const kwbench::Compare compareCompile("CompileWindowScript", "SplitWindowScriptLines");

} // namespace
