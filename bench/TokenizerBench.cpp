// Splitting and hashing a 1 MiB argument text, each read against copying the same text with memcpy.
#include "support/BenchMain.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kTextBytes = std::size_t(1) << 20;

// A long argument text of the shapes handlers meet: options, quoted paths, brackets, numbers.
const std::u16string& ArgumentText(char16_t sep) {
    static std::u16string texts[2];
    std::u16string& text = texts[sep == u'\n'];
    if (text.empty()) {
        const std::u16string piece[] = {u"/Path=\"C:\\My Dir\\file.c\"",
                                        u" name ",
                                        u"f(1,2)",
                                        u"'quoted,text'",
                                        u"0x1F",
                                        u"/Win",
                                        u"  spaced value  "};
        for (std::size_t i = 0; text.size() * sizeof(char16_t) < kTextBytes; ++i)
            text += piece[i % std::size(piece)] + sep;
        text.resize(kTextBytes / sizeof(char16_t));
    }
    return text;
}

void Memcpy(benchmark::State& state) {
    const std::u16string& text = ArgumentText(u',');
    std::u16string copy(text.size(), u'\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), text.data(), kTextBytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations() * kTextBytes));
}

void Split(benchmark::State& state) {
    const std::u16string& text = ArgumentText(u',');
    for (auto _ : state) {
        CKWTokenList tokens(text.c_str(), 0, u',');
        benchmark::DoNotOptimize(tokens.Count());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * kTextBytes));
}

void SplitAndReadEveryToken(benchmark::State& state) {
    const std::u16string& text = ArgumentText(u',');
    for (auto _ : state) {
        CKWTokenList tokens(text.c_str(), 0, u',');
        for (int i = 0; i < tokens.Count(); ++i)
            benchmark::DoNotOptimize(tokens.GetToken(i));
    }
    state.SetBytesProcessed(int64_t(state.iterations() * kTextBytes));
}

void SplitRawLines(benchmark::State& state) {
    const std::u16string& text = ArgumentText(u'\n');
    for (auto _ : state) {
        CKWTokenList tokens(text.c_str(), u'\n', true, true, true);
        benchmark::DoNotOptimize(tokens.GetToken(tokens.Count() / 2));
    }
    state.SetBytesProcessed(int64_t(state.iterations() * kTextBytes));
}

void Hash(benchmark::State& state) {
    const std::u16string& text = ArgumentText(u',');
    for (auto _ : state)
        benchmark::DoNotOptimize(HashNoCase(text.c_str()));
    state.SetBytesProcessed(int64_t(state.iterations() * kTextBytes));
}

BENCHMARK(Memcpy);
BENCHMARK(Split);
BENCHMARK(SplitAndReadEveryToken);
BENCHMARK(SplitRawLines);
BENCHMARK(Hash);

const kwbench::Compare compareSplit("Split", "Memcpy");
const kwbench::Compare compareSplitRead("SplitAndReadEveryToken", "Memcpy");
const kwbench::Compare compareRawLines("SplitRawLines", "Memcpy");
const kwbench::Compare compareHash("Hash", "Memcpy");

} // namespace
