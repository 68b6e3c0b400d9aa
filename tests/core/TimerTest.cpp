// Command timers, Esc-key events and the message pump, on a manual clock; one timer on Qt's loop.
#include "support/HostFixture.h"
#include "support/ManualEventLoop.h"

#include "core/KWBusClient.h"
#include "core/MessagePump.h"
#include "core/TimerCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <string>

namespace {

class Timers : public HostFixture {
protected:
    void SetUp() override {
        auto loop = std::make_unique<CManualEventLoop>();
        clock = loop.get();
        SetKWEventLoop(std::move(loop));
        HostFixture::SetUp();
        RegisterTimerCallbacks(db);
        ConnectBusToEventLoop();
        ASSERT_TRUE(recorder->Serve(u"KWProbe"));
    }
    void TearDown() override {
        HostFixture::TearDown();
        SetKWEventLoop(nullptr);
    }

    std::vector<std::u16string> Probes() const {
        std::vector<std::u16string> arguments;
        for (const auto& record : recorder->records)
            if (record.command == u"KWProbe")
                arguments.push_back(record.arguments);
        return arguments;
    }

    CManualEventLoop* clock = nullptr;
    CKWMessagePump& pump = CKWMessagePump::Instance();
};

using Args = std::vector<std::u16string>;

TEST_F(Timers, OneShotTimerFiresOnceAndIsGone) {
    ASSERT_EQ(Run(u"KWTimerEvent 7,500,KWProbe hello, world").code, 0);
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"7,Enabled,500,KWProbe hello, world\n");
    clock->Advance(499);
    EXPECT_TRUE(Probes().empty());
    clock->Advance(1);
    EXPECT_EQ(Probes(), (Args{u"hello, world"}));
    clock->Advance(10000);
    EXPECT_EQ(Probes().size(), 1u);
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"");
    EXPECT_EQ(Run(u"KWTimerEvent 7").text, u"");
}

TEST_F(Timers, RepeatingTimerFiresEveryIntervalUntilStopped) {
    Run(u"KWTimerEvent /Repeat,7,500,KWProbe tick");
    clock->Advance(1500);
    EXPECT_EQ(Probes().size(), 3u);
    EXPECT_EQ(Run(u"KWTimerEvent 7").text, u"Enabled,500,KWProbe tick,repeat");
    Run(u"KWTimerEvent 7,/disable");
    EXPECT_EQ(Run(u"KWTimerEvent 7").text, u"Disabled,500,KWProbe tick,repeat");
    clock->Advance(2000);
    EXPECT_EQ(Probes().size(), 3u);
    Run(u"KWTimerEvent 7,/ENABLE");
    clock->Advance(1000);
    EXPECT_EQ(Probes().size(), 5u);
    Run(u"KWTimerEvent 7,/stop");
    clock->Advance(5000);
    EXPECT_EQ(Probes().size(), 5u);
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"");
}

TEST_F(Timers, IdsBelongToTheirRequesterAndIdZeroIsNeverUnique) {
    CRecorderSock other(u"Other");
    Run(u"KWTimerEvent 3,100,KWProbe first");
    Run(u"KWTimerEvent 3,100,KWProbe again"); // taken by the same requester
    EXPECT_EQ(SendForResult(&other, u"KWTimerEvent", u"3,100,KWProbe other", nullptr), 0);
    Run(u"KWTimerEvent 0,100,KWProbe zero");
    Run(u"KWTimerEvent 0,100,KWProbe zero");
    CKWStr mine, theirs;
    SendForResult(recorder.get(), u"KWTimerEvent", u"3", &mine);
    SendForResult(&other, u"KWTimerEvent", u"3", &theirs);
    EXPECT_EQ(mine.Text(), u"Enabled,100,KWProbe first");
    EXPECT_EQ(theirs.Text(), u"Enabled,100,KWProbe other");
    clock->Advance(100);
    EXPECT_EQ(Probes(), (Args{u"first", u"other", u"zero", u"zero"}));
}

TEST_F(Timers, CommandLineKeepsItsCommasQuotesAndProjectId) {
    SendForResult(recorder.get(), u"KWTimerEvent", u"3,100,KWProbe a, \"b,c\" ,d", nullptr, 9);
    clock->Advance(100);
    ASSERT_EQ(Probes(), (Args{u"a, \"b,c\" ,d"}));
    EXPECT_EQ(recorder->records.back().projectId, 9);

    Run(u"KWTimerEvent 4,100,KWDB /VALUE,\\DB_APP,Lang,Jpn");
    clock->Advance(100);
    EXPECT_EQ(App(u"Lang").Text(), u"Jpn");
}

TEST_F(Timers, MalformedNumbersAndEmptyCommandsCreateNothing) {
    for (const char16_t* line :
         {u"KWTimerEvent 1,abc,KWProbe x", u"KWTimerEvent 1,-5,KWProbe x", u"KWTimerEvent 1,100,",
          u"KWTimerEvent 1,0x,KWProbe x", u"KWTimerEvent 5,/bogus", u"KWTimerEvent 99,/stop"})
        EXPECT_EQ(Run(line).code, 0) << std::string(line, line + 20);
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"");
    Run(u"KWTimerEvent x,0x10,KWProbe odd id"); // a malformed id counts as -1
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"-1,Enabled,16,KWProbe odd id\n");
}

TEST_F(Timers, BreakStopsTheNestedPumpsAndTheNextPumpRunsNormally) {
    ASSERT_TRUE(recorder->Serve(u"KWNested"));
    recorder->OnRequest(u"KWNested", [&](const char16_t*, CKWStr&) {
        pump.Pump(); // a command that pumps while it works
        return 0;
    });
    Run(u"KWTimerEvent 1,100,KWNested");
    Run(u"KWTimerEvent 2,100,KWProcessMessage /Break");
    Run(u"KWTimerEvent 3,100,KWProbe later");
    clock->MoveClock(100);
    pump.Pump(); // runs KWNested, whose pump runs the break: both pumps stop
    EXPECT_TRUE(Probes().empty());
    EXPECT_FALSE(pump.BreakRequested()); // cleared by the outermost pump
    EXPECT_EQ(pump.Depth(), 0);
    EXPECT_EQ(Run(u"KWProcessMessage").code, 0);
    EXPECT_EQ(Probes(), (Args{u"later"}));
}

int g_calls = 0, g_lastArgument = 0;
void CountCall(int32_t argument) {
    ++g_calls;
    g_lastArgument = argument;
}

TEST_F(Timers, CallbackTimersCallTheirFunctionOnce) {
    const auto add = reinterpret_cast<KWAddTimerEventProc>(db.GetCallbackFunc(u"KWAddTimerEvent"));
    const auto remove = reinterpret_cast<KWDeleteTimerEventProc>(db.GetCallbackFunc(u"KWDeleteTimerEvent"));
    ASSERT_NE(add, nullptr);
    ASSERT_NE(remove, nullptr);
    const int32_t first = add(&CountCall, 50, 42);
    EXPECT_GE(first, 2); // the counter is increased before each use, from 1
    const int32_t second = add(&CountCall, 50, 43);
    remove(second);
    clock->Advance(1000);
    EXPECT_EQ(g_calls, 1);
    EXPECT_EQ(g_lastArgument, 42);
}

TEST_F(Timers, DetachStopsEveryTimerAndEvent) {
    Run(u"KWTimerEvent /Repeat,1,100,KWProbe x");
    Run(u"KWEscKeyDownEvent 1,KWProbe");
    host->Detach();
    clock->Advance(1000);
    pump.EscPressed();
    EXPECT_TRUE(Probes().empty());
    EXPECT_EQ(Run(u"KWTimerEvent").text, u"");
    EXPECT_EQ(Run(u"KWEscKeyDownEvent").text, u"");
}

TEST_F(Timers, EscKeyEventsSendTheirCommandWithParamAndId) {
    Run(u"KWEscKeyDownEvent 5,KWProbe,x");
    Run(u"KWEscKeyDownEvent 6,KWProbe");
    Run(u"KWEscKeyDownEvent 6,KWProbe,again"); // taken
    EXPECT_EQ(Run(u"KWEscKeyDownEvent").text, u"5,Enabled,KWProbe\n6,Enabled,KWProbe\n");
    pump.EscPressed();
    EXPECT_EQ(Probes(), (Args{u"x,5", u"6"}));
    Run(u"KWEscKeyDownEvent 5,/disable");
    EXPECT_EQ(Run(u"KWEscKeyDownEvent 5").text, u"Disabled,KWProbe");
    pump.EscPressed();
    EXPECT_EQ(Probes().size(), 3u);
    Run(u"KWEscKeyDownEvent 6,/stop");
    Run(u"KWEscKeyDownEvent 5,/enable");
    pump.EscPressed();
    EXPECT_EQ(Probes(), (Args{u"x,5", u"6", u"6", u"x,5"}));
}

TEST_F(Timers, EscCheckSeesAnEscPressedWhileItPumps) {
    EXPECT_EQ(Run(u"KWProcessMessage /EscCheck").text, u"false");
    clock->PostTask([&] { pump.EscPressed(); }); // the key press waits in the loop
    const KWRunResult check = Run(u"KWProcessMessage /escCheck");
    EXPECT_EQ(check.text, u"true");
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(Run(u"KWProcessMessage /EscCheck").text, u"false");
}

TEST_F(Timers, PostedRequestsRunOnTheNextTurnOfTheLoop) {
    EXPECT_EQ(Post(recorder.get(), u"KWProbe", u"posted"), 0);
    EXPECT_TRUE(Probes().empty());
    clock->Advance(0);
    EXPECT_EQ(Probes(), (Args{u"posted"}));
}

TEST(QtTimers, TimerFiresOnQtsEventLoop) {
    int argc = 1;
    char name[] = "timer_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    CMainSock host;
    host.Attach();
    CRecorderSock probe(u"Probe");
    ASSERT_TRUE(probe.Serve(u"KWProbe"));
    ASSERT_EQ(Send(&probe, u"KWTimerEvent", u"1,50,KWProbe fired"), 0);
    QElapsedTimer waited;
    waited.start();
    while (probe.records.empty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_EQ(probe.records.size(), 1u);
    EXPECT_EQ(probe.records[0].arguments, u"fired");
}

} // namespace
