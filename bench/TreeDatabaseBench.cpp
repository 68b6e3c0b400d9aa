// The tree database at scale: a tree of a million keys (depth 4, 10 values each) built, looked up by
// path and by name, saved as XML and loaded back. Look-ups are read against a plain hash map of the
// same paths; saving and loading against pugixml alone writing and parsing the same file.
#include "support/BenchMain.h"

#include "core/KWUnicode.h"
#include "services/KWDBAccess.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kFanOut[4] = {10, 10, 100, 100}; // 10 * 10 * 100 * 100 = 1,000,000 keys at the fourth level
constexpr int kValuesPerKey = 10;

struct BigTree {
    BigTree() {
        db.LoadLibrary();
        db.CreateDatabase(u"Bench");
        file = "/tmp/kwbench-tree-" + std::to_string(getpid()) + ".xml";
        pugixmlFile = file + ".pugixml.xml";
    }
    ~BigTree() {
        std::remove(file.c_str());
        std::remove(pugixmlFile.c_str());
    }

    void Build() {
        top = db.AddKey(db.Root(KWRoot::View), u"Big");
        std::vector<std::pair<int32_t, std::u16string>> level{{top, u"\\DB_View\\Big"}};
        for (int depth = 0; depth < 4; ++depth) {
            std::vector<std::pair<int32_t, std::u16string>> next;
            next.reserve(level.size() * std::size_t(kFanOut[depth]));
            for (const auto& [parent, path] : level) {
                for (int i = 0; i < kFanOut[depth]; ++i) {
                    const CKWStr name = CKWStr().Format(u"K%d_%d", depth, i);
                    const int32_t key = db.AddKey(parent, name.c_str());
                    for (int v = 0; v < kValuesPerKey; ++v)
                        db.AddValue(key, CKWStr().Format(u"Value%d", v).c_str(),
                                    CKWStr(key * 10 + v).c_str());
                    next.emplace_back(key, path + u"\\" + name.Text());
                    ++keys;
                }
            }
            if (depth == 2)
                for (const auto& entry : next)
                    thirdLevel.push_back(entry.first);
            level = std::move(next);
        }
        std::mt19937 rng(7);
        for (int i = 0; i < 4096; ++i) {
            const auto& [key, path] = level[rng() % level.size()];
            paths.push_back(path);
            pathIds.emplace(path, key);
        }
    }

    CKWDBAccess& db = CKWDBAccess::Instance();
    int32_t top = 0;
    int64_t keys = 0;
    std::vector<int32_t> thirdLevel;
    std::vector<std::u16string> paths;
    std::unordered_map<std::u16string, int32_t> pathIds;
    std::string file, pugixmlFile;
};

BigTree& Tree() {
    static BigTree tree;
    if (tree.top == 0)
        tree.Build();
    return tree;
}

void BuildTree(benchmark::State& state) {
    for (auto _ : state)
        Tree();
    state.counters["keys"] = double(Tree().keys);
}

void LookUpByPath(benchmark::State& state) {
    BigTree& tree = Tree();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.db.GetKeyId(tree.paths[i++ % tree.paths.size()].c_str()));
}

void HashMapLookUpByPath(benchmark::State& state) {
    BigTree& tree = Tree();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.pathIds.find(tree.paths[i++ % tree.paths.size()]));
}

void LookUpByName(benchmark::State& state) {
    BigTree& tree = Tree();
    std::size_t i = 0;
    for (auto _ : state) {
        const int32_t parent = tree.thirdLevel[i % tree.thirdLevel.size()];
        benchmark::DoNotOptimize(tree.db.GetKeyIdByName(parent, i % 2 ? u"K3_57" : u"K3_3"));
        ++i;
    }
}

void SaveXMLFile(benchmark::State& state) {
    BigTree& tree = Tree();
    for (auto _ : state)
        if (!tree.db.SaveXMLFile(tree.top, Utf8ToUtf16(tree.file).c_str()))
            state.SkipWithError("save failed");
}

void LoadXMLFile(benchmark::State& state) {
    BigTree& tree = Tree();
    for (auto _ : state) {
        state.PauseTiming();
        const int32_t target = tree.db.AddKey(tree.db.Root(KWRoot::Read), u"Loaded");
        state.ResumeTiming();
        if (!tree.db.LoadXMLFile(target, Utf8ToUtf16(tree.file).c_str()))
            state.SkipWithError("load failed");
        state.PauseTiming();
        tree.db.DeleteKey(target);
        state.ResumeTiming();
    }
}

void PugixmlLoadFile(benchmark::State& state) {
    BigTree& tree = Tree();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(tree.file.c_str()))
            state.SkipWithError("pugixml could not parse the file");
        benchmark::DoNotOptimize(document.first_child());
    }
}

void PugixmlSaveFile(benchmark::State& state) {
    BigTree& tree = Tree();
    pugi::xml_document document;
    document.load_file(tree.file.c_str());
    for (auto _ : state)
        if (!document.save_file(tree.pugixmlFile.c_str(), " "))
            state.SkipWithError("pugixml could not write the file");
}

BENCHMARK(BuildTree)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LookUpByPath);
BENCHMARK(HashMapLookUpByPath);
BENCHMARK(LookUpByName);
BENCHMARK(SaveXMLFile)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlSaveFile)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadXMLFile)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlLoadFile)->Iterations(3)->Unit(benchmark::kMillisecond);

const kwbench::Compare comparePath("LookUpByPath", "HashMapLookUpByPath");
const kwbench::Compare compareName("LookUpByName", "HashMapLookUpByPath");
const kwbench::Compare compareSave("SaveXMLFile/iterations:3", "PugixmlSaveFile/iterations:3");
const kwbench::Compare compareLoad("LoadXMLFile/iterations:3", "PugixmlLoadFile/iterations:3");

} // namespace
