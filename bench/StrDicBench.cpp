// Dictionary look-ups over 10,000 entries: a hit near the end, a miss, and a text with a number after
// a known name, each beside a std::unordered_map look-up of the same name in the same run.
#include "support/BenchMain.h"

#include "services/KWStrDic.h"

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>

namespace {

constexpr int kEntries = 10000;

std::u16string NameOf(int i) {
    std::u16string name = u"Msg";
    for (int k = 0; k < 4; ++k, i /= 26)
        name += char16_t(u'A' + i % 26);
    return name;
}

struct Dictionary {
    Dictionary() {
        std::u16string text = u"Name\tType\tEng\tJpn\n";
        for (int i = 0; i < kEntries; ++i) {
            const std::u16string name = NameOf(i);
            text += name + u"\tmsg\tEnglish " + name + u"\t\u65e5\u672c\u8a9e " + name + u"\n";
            map.emplace(name, u"\u65e5\u672c\u8a9e " + name);
        }
        dictionary.Load(text, u"Jpn");
    }
    CKWStrDic dictionary;
    std::unordered_map<std::u16string, std::u16string> map;
};

Dictionary& TheDictionary() {
    static Dictionary d;
    return d;
}

const std::u16string kHit = NameOf(kEntries - 10);
const std::u16string kMiss = u"MsgNotThere";
const std::u16string kWithNumber = NameOf(kEntries - 5) + u"42";

void Translate(benchmark::State& state, const std::u16string* text) {
    Dictionary& d = TheDictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.dictionary.Translate(*text).c_str());
}

void FindByName(benchmark::State& state) {
    Dictionary& d = TheDictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.dictionary.FindByName(kHit));
}

void HashMapFind(benchmark::State& state, const std::u16string* text) {
    Dictionary& d = TheDictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.map.find(*text));
}

BENCHMARK_CAPTURE(Translate, HitNearEnd, &kHit);
BENCHMARK_CAPTURE(Translate, Miss, &kMiss);
BENCHMARK_CAPTURE(Translate, NameWithNumber, &kWithNumber);
BENCHMARK(FindByName);
BENCHMARK_CAPTURE(HashMapFind, HitNearEnd, &kHit);
BENCHMARK_CAPTURE(HashMapFind, Miss, &kMiss);

const kwbench::Compare compareHit("Translate/HitNearEnd", "HashMapFind/HitNearEnd");
const kwbench::Compare compareMiss("Translate/Miss", "HashMapFind/Miss");
const kwbench::Compare compareNumber("Translate/NameWithNumber", "HashMapFind/HitNearEnd");
const kwbench::Compare compareFind("FindByName", "HashMapFind/HitNearEnd");

} // namespace
