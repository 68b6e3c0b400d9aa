// KWDB /VALUE reads and writes through the bus, 100,000 of each, beside the same reads and writes
// through the database accessor directly, in the same run.
#include "support/BenchMain.h"

#include "core/KWBusClient.h"
#include "core/MainSock.h"
#include "services/KWDBAccess.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRequests = 100000;

struct Host {
    Host() {
        db.LoadLibrary();
        db.CreateDatabase(u"KWX5Main");
        host = std::make_unique<CMainSock>();
        host->Attach();
        key = db.GetKeyId(u"\\DB_APP\\Bench", true);
        db.SetValue(key, u"Value", u"0");
    }
    CKWDBAccess& db = CKWDBAccess::Instance();
    std::unique_ptr<CMainSock> host;
    int32_t key = 0;
};

Host& TheHost() {
    static Host host;
    return host;
}

void BusValueWrites(benchmark::State& state) {
    Host& h = TheHost();
    for (auto _ : state)
        for (int i = 0; i < kRequests; ++i)
            Send(h.host.get(), u"KWDB", u"/VALUE,\\DB_APP\\Bench,Value,12345");
    state.SetItemsProcessed(state.iterations() * kRequests);
}

void BusValueReads(benchmark::State& state) {
    Host& h = TheHost();
    CKWStr result;
    for (auto _ : state)
        for (int i = 0; i < kRequests; ++i)
            SendForResult(h.host.get(), u"KWDB", u"/VALUE,\\DB_APP\\Bench,Value", &result);
    state.SetItemsProcessed(state.iterations() * kRequests);
}

void AccessorValueWrites(benchmark::State& state) {
    Host& h = TheHost();
    for (auto _ : state)
        for (int i = 0; i < kRequests; ++i)
            h.db.SetValue(h.db.GetKeyId(u"\\DB_APP\\Bench"), u"Value", u"12345");
    state.SetItemsProcessed(state.iterations() * kRequests);
}

void AccessorValueReads(benchmark::State& state) {
    Host& h = TheHost();
    for (auto _ : state)
        for (int i = 0; i < kRequests; ++i)
            benchmark::DoNotOptimize(h.db.GetStr(h.db.GetKeyId(u"\\DB_APP\\Bench"), u"Value"));
    state.SetItemsProcessed(state.iterations() * kRequests);
}

BENCHMARK(BusValueWrites)->Unit(benchmark::kMillisecond);
BENCHMARK(AccessorValueWrites)->Unit(benchmark::kMillisecond);
BENCHMARK(BusValueReads)->Unit(benchmark::kMillisecond);
BENCHMARK(AccessorValueReads)->Unit(benchmark::kMillisecond);

const kwbench::Compare compareWrites("BusValueWrites", "AccessorValueWrites");
const kwbench::Compare compareReads("BusValueReads", "AccessorValueReads");

} // namespace
