// The cost of the bus: a send by name to a function handler with a short result, and a notification
// to ten subscribers, each read against calling the same handlers directly.
#include "support/BenchMain.h"

#include "core/KWBusClient.h"
#include "core/KWSock.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

int32_t Echo(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result = u"ok";
    return arguments[0] == 0 ? -10 : 0;
}

class CBenchSock : public CKWSock {
public:
    CBenchSock() : CKWSock(u"Bench") {}
    void Attach() override {}
    void Detach() override {}
    int32_t Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t, int32_t) override {
        ++received;
        return Echo(number, arguments, result, 0, 0);
    }
    int64_t received = 0;
};

struct BusFixture {
    BusFixture() {
        RegisterCommand(&sender, u"KWBenchEcho", u"KWBenchEcho <text>\n=> ok", &Echo, 1, u"Bench");
        OfferNotification(&sender, u"KWNotifyBench", u"KWNotifyBench <text>", 0, u"Bench");
        for (int i = 0; i < 10; ++i) {
            subscribers.push_back(std::make_unique<CBenchSock>());
            SubscribeNotification(subscribers.back().get(), u"KWNotifyBench", 1);
        }
    }
    CBenchSock sender;
    std::vector<std::unique_ptr<CBenchSock>> subscribers;
};

BusFixture& Fixture() {
    static BusFixture fixture;
    return fixture;
}

void DirectHandlerCall(benchmark::State& state) {
    CKWStr result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Echo(1, u"argument", result, 0, 0));
        benchmark::DoNotOptimize(result.c_str());
    }
}

void SendByName(benchmark::State& state) {
    BusFixture& fixture = Fixture();
    CKWStr result;
    for (auto _ : state)
        benchmark::DoNotOptimize(SendForResult(&fixture.sender, u"KWBenchEcho", u"argument", &result));
    if (result.Text() != u"ok")
        state.SkipWithError("the bus did not deliver");
}

void DirectReceiveOfTen(benchmark::State& state) {
    BusFixture& fixture = Fixture();
    CKWStr result;
    for (auto _ : state)
        for (const auto& subscriber : fixture.subscribers)
            benchmark::DoNotOptimize(subscriber->Receive(1, u"argument", result, 0, 0));
}

void NotificationToTen(benchmark::State& state) {
    BusFixture& fixture = Fixture();
    const int64_t before = fixture.subscribers.front()->received;
    for (auto _ : state)
        benchmark::DoNotOptimize(Send(&fixture.sender, u"KWNotifyBench", u"argument"));
    if (fixture.subscribers.front()->received - before != int64_t(state.iterations()))
        state.SkipWithError("the notification did not arrive");
}

BENCHMARK(DirectHandlerCall);
BENCHMARK(SendByName);
BENCHMARK(DirectReceiveOfTen);
BENCHMARK(NotificationToTen);

const kwbench::Compare compareSend("SendByName", "DirectHandlerCall");
const kwbench::Compare compareNotify("NotificationToTen", "DirectReceiveOfTen");

} // namespace
