// Delivery through the bus: function handlers, numbered commands, notifications, result texts,
// nesting, posting and failures.
#include "support/RecorderSock.h"

#include "core/KWBusClient.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct HandlerCall {
    int32_t mode = -99;
    std::u16string arguments;
    int32_t projectId = -99;
    int32_t requesterKey = -99;
};
HandlerCall g_lastCall;

int32_t RecordingHandler(int32_t mode, const char16_t* arguments, CKWStr& result, int32_t projectId,
                         int32_t requesterKey) {
    g_lastCall = HandlerCall{mode, arguments, projectId, requesterKey};
    result = u"done";
    return 3;
}

int32_t ThrowingHandler(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    result = u"partial";
    throw std::runtime_error("handler failure");
}

std::u16string g_resultToGive;
int32_t GivingHandler(int32_t, const char16_t*, CKWStr& result, int32_t, int32_t) {
    result = g_resultToGive;
    return 0;
}

class BusDelivery : public testing::Test {
protected:
    void SetUp() override { CRecorderSock::Journal().clear(); }
    CRecorderSock host{u"Host"};
};

TEST_F(BusDelivery, FunctionHandlerGetsArgumentsProjectAndRequesterKey) {
    CRecorderSock other(u"Other");
    ASSERT_TRUE(RegisterCommand(&host, u"KWADDCMDLOG", u"help", &RecordingHandler, 1, u"KWMain"));
    CKWStr result;
    EXPECT_EQ(SendForResult(&other, u"KWAddCmdLog", u"a, b", &result, 5), 3);
    EXPECT_EQ(result.Text(), u"done");
    EXPECT_EQ(g_lastCall.mode, 1);
    EXPECT_EQ(g_lastCall.arguments, u"a, b");
    EXPECT_EQ(g_lastCall.projectId, 5);
    EXPECT_EQ(g_lastCall.requesterKey, other.id);

    EXPECT_EQ(SendAnonymous(&other, u"kwaddcmdlog", nullptr), 3);
    EXPECT_EQ(g_lastCall.requesterKey, 0);
    EXPECT_EQ(g_lastCall.arguments, u"");
    EXPECT_NE(other.id, 0); // restored after the anonymous send
}

class CNumberSock : public CKWSock {
public:
    CNumberSock() : CKWSock(u"Numbers") {}
    void Attach() override {}
    void Detach() override {}
    int32_t Receive(int32_t number, const char16_t* arguments, CKWStr& result, int32_t, int32_t) override {
        received = number;
        result = arguments;
        return 0;
    }
    int32_t received = -1;
};

TEST_F(BusDelivery, NumberedCommandArrivesAtReceiveAsItsOffset) {
    CNumberSock numbers;
    ASSERT_TRUE(RegisterCommand(&numbers, u"KWNumbered", nullptr, 0xC0000064u, 1, u"KWMain"));
    EXPECT_EQ(Send(&host, u"KWNumbered", u""), 0);
    EXPECT_EQ(numbers.received, 100);
    numbers.received = -1;
    EXPECT_EQ(SendNumber(&host, 0xC0000064u, u"Bld_srcfile"), 0);
    EXPECT_EQ(numbers.received, 100);
    EXPECT_EQ(SendNumber(&host, 0xC0000065u, u""), -1);
}

TEST_F(BusDelivery, RequestsNobodyServesFail) {
    EXPECT_EQ(Send(&host, u"KWNoSuchCommand", u""), -1);
    EXPECT_EQ(Send(&host, nullptr, u""), -1);
    EXPECT_EQ(Send(&host, u"", u""), -1);
    CKWStr result(u"old");
    EXPECT_EQ(SendForResult(&host, u"KWNoSuchCommand", u"", &result), -1);
    EXPECT_TRUE(result.IsEmpty());
}

TEST_F(BusDelivery, ResultTextsOfAnyLengthArriveWhole) {
    ASSERT_TRUE(RegisterCommand(&host, u"KWGive", nullptr, &GivingHandler, 1, u"Test"));
    for (const std::size_t length : {0u, 1u, 99u, 100u, 150u, 1u << 20}) {
        SCOPED_TRACE(testing::Message() << "length " << length);
        g_resultToGive.assign(length, u'r');
        if (length > 0)
            g_resultToGive.back() = u'!';
        CKWStr result;
        ASSERT_EQ(SendForResult(&host, u"KWGive", u"", &result), 0);
        EXPECT_EQ(result.Length(), length);
        EXPECT_TRUE(result.Text() == g_resultToGive);
    }
}

TEST_F(BusDelivery, HandlerThatThrowsFailsOnlyItsRequest) {
    ASSERT_TRUE(RegisterCommand(&host, u"KWThrow", nullptr, &ThrowingHandler, 1, u"Test"));
    ASSERT_TRUE(RegisterCommand(&host, u"KWRecord", nullptr, &RecordingHandler, 1, u"Test"));
    CKWStr result;
    EXPECT_EQ(SendForResult(&host, u"KWThrow", u"", &result), -1);
    EXPECT_TRUE(result.IsEmpty());
    EXPECT_EQ(Send(&host, u"KWRecord", u"after"), 3);
    EXPECT_EQ(g_lastCall.arguments, u"after");
}

TEST_F(BusDelivery, NestedSendsFiveDeepReturnThroughEveryLevel) {
    const char16_t* levels[] = {u"KWLevel1", u"KWLevel2", u"KWLevel3", u"KWLevel4", u"KWLevel5"};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(host.Serve(levels[i]));
        host.OnRequest(levels[i], [&, i](const char16_t* arguments, CKWStr& result) {
            result = arguments;
            result += u">";
            result.AppendInt(i + 1);
            if (i == 4)
                return 5;
            CKWStr inner;
            const int32_t code = SendForResult(&host, levels[i + 1], result.c_str(), &inner);
            result = inner;
            return code;
        });
    }
    CKWStr result;
    EXPECT_EQ(SendForResult(&host, u"KWLevel1", u"start", &result), 5);
    EXPECT_EQ(result.Text(), u"start>1>2>3>4>5");
}

TEST_F(BusDelivery, PostedRequestsRunAfterTheCurrentRequestInPostingOrder) {
    CRecorderSock worker(u"Worker");
    for (const char16_t* name : {u"KWOuter", u"KWLater1", u"KWLater2", u"KWLater3"})
        ASSERT_TRUE(worker.Serve(name));
    bool laterRanInside = false;
    worker.OnRequest(u"KWOuter", [&](const char16_t*, CKWStr&) {
        EXPECT_EQ(Post(&host, u"KWLater1", u"1"), 0);
        EXPECT_EQ(Post(&host, u"KWLater2", u"2", 9), 0);
        laterRanInside = worker.records.size() > 1;
        return 0;
    });
    worker.OnRequest(u"KWLater1", [&](const char16_t*, CKWStr&) { return Post(&host, u"KWLater3", u"3"); });
    EXPECT_EQ(Send(&host, u"KWOuter", u""), 0);
    EXPECT_FALSE(laterRanInside);
    const std::vector<std::u16string> order = {u"Worker:KWOuter", u"Worker:KWLater1", u"Worker:KWLater2",
                                               u"Worker:KWLater3"};
    EXPECT_EQ(CRecorderSock::Journal(), order);
    ASSERT_EQ(worker.records.size(), 4u);
    EXPECT_EQ(worker.records[2].projectId, 9);
    EXPECT_EQ(worker.records[2].requesterKey, host.id);
    EXPECT_EQ(Post(&host, u"KWOpenSock", u""), -10); // bound to its sender, so never queued
}

int g_schedulerCalls = 0;
void CountingScheduler() { ++g_schedulerCalls; }

TEST_F(BusDelivery, WithASchedulerPostedRequestsWaitForTheHostsTurn) {
    CKWStr address;
    address.AppendAddress(reinterpret_cast<const void*>(&CountingScheduler));
    ASSERT_EQ(Send(&host, u"KWSetPostScheduler", address.c_str()), 0);
    ASSERT_TRUE(host.Serve(u"KWFirst"));
    ASSERT_TRUE(host.Serve(u"KWSecond"));
    ASSERT_TRUE(host.Serve(u"KWThird"));
    host.OnRequest(u"KWSecond", [&](const char16_t*, CKWStr&) { return Post(&host, u"KWThird", u""); });

    EXPECT_EQ(Post(&host, u"KWFirst", u""), 0);
    EXPECT_EQ(Post(&host, u"KWSecond", u""), 0);
    EXPECT_EQ(g_schedulerCalls, 1); // once, when the queue became non-empty
    EXPECT_TRUE(host.records.empty());

    EXPECT_EQ(Send(&host, u"KWRunPosted", u""), 0);
    EXPECT_EQ(CRecorderSock::Journal(), (std::vector<std::u16string>{u"Host:KWFirst", u"Host:KWSecond"}));
    EXPECT_EQ(g_schedulerCalls, 2); // the request posted during the turn asked for another
    EXPECT_EQ(Send(&host, u"KWRunPosted", u""), 0);
    EXPECT_EQ(host.records.size(), 3u);

    EXPECT_EQ(Send(&host, u"KWSetPostScheduler", u"0x1"), -10); // no code there
}

TEST_F(BusDelivery, NotificationReachesSubscribersInOrderAndAnswersTheGreatestCode) {
    CRecorderSock a(u"A"), b(u"B"), c(u"C");
    ASSERT_TRUE(OfferNotification(&host, u"KWNotifyThing", u"KWNotifyThing <args>", 0, u"KWMain"));
    EXPECT_EQ(Send(&host, u"KWNotifyThing", u"x"), 0); // offered, nobody subscribed
    ASSERT_TRUE(b.Subscribe(u"KWNotifyThing", -1));
    ASSERT_TRUE(a.Subscribe(u"KWNotifyThing", 2));
    ASSERT_TRUE(c.Subscribe(u"KWNotifyThing", 0));

    EXPECT_EQ(Send(&host, u"KWNOTIFYTHING", u"p,1,2", 4), 2);
    EXPECT_EQ(CRecorderSock::Journal(),
              (std::vector<std::u16string>{u"B:KWNotifyThing", u"A:KWNotifyThing", u"C:KWNotifyThing"}));
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(c.records[0].arguments, u"p,1,2");
    EXPECT_EQ(c.records[0].projectId, 4);

    b.Answer(u"KWNotifyThing", -3);
    a.Answer(u"KWNotifyThing", -1);
    c.Answer(u"KWNotifyThing", -2);
    EXPECT_EQ(Send(&host, u"KWNotifyThing", u""), -1);
}

TEST_F(BusDelivery, SubscriberClosedDuringFanOutIsNotCalled) {
    CRecorderSock first(u"First");
    auto second = std::make_unique<CRecorderSock>(u"Second");
    ASSERT_TRUE(first.Subscribe(u"KWNotifyClose"));
    ASSERT_TRUE(second->Subscribe(u"KWNotifyClose"));
    first.OnRequest(u"KWNotifyClose", [&](const char16_t*, CKWStr&) {
        second.reset();
        return 0;
    });
    EXPECT_EQ(Send(&host, u"KWNotifyClose", u""), 0);
    EXPECT_EQ(CRecorderSock::Journal(), (std::vector<std::u16string>{u"First:KWNotifyClose"}));
}

TEST_F(BusDelivery, SubscriptionNeedsANumberInRange) {
    EXPECT_TRUE(SubscribeNotification(&host, u"KWNotifyA", 5));
    EXPECT_TRUE(SubscribeNotification(&host, u"KWNotifyB", 0xC0000005u));
    EXPECT_TRUE(SubscribeNotification(&host, u"KWNotifyC", 0x3FFFFFFEu));
    EXPECT_FALSE(SubscribeNotification(&host, u"KWNotifyD", 0x3FFFFFFFu));
    EXPECT_FALSE(SubscribeNotification(&host, nullptr, 5));
    CKWStr tooBig(u"KWNotifyE,0xffffffff");
    EXPECT_NE(Send(&host, u"KWRegNotificationNum", tooBig.c_str()), 0);
}

} // namespace
