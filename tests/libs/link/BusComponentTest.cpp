// Components on the bus: opening and closing, the reserved name, loading and unloading the bus
// library, running without it, registrations, closing everything and listing commands.
#include "support/RecorderSock.h"

#include "core/KWBusClient.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

int32_t NoOp(int32_t, const char16_t*, CKWStr&, int32_t, int32_t) { return 0; }

TEST(BusComponents, OpeningGivesDistinctIdsAndTheNameFromTheRequest) {
    CRecorderSock first(u"First");
    CRecorderSock unnamed(u"");
    EXPECT_GT(first.id, 0);
    EXPECT_GT(unnamed.id, first.id);
    EXPECT_EQ(first.name.Text(), u"First");
    EXPECT_EQ(unnamed.name.Text(), u"anonymous");
}

TEST(BusComponents, ReservedNameStaysOffTheBusAndHoldsNoCount) {
    {
        CRecorderSock reserved(u"sOcKsOcK");
        EXPECT_EQ(reserved.id, 0);
        EXPECT_TRUE(reserved.name.IsEmpty());
        EXPECT_FALSE(IsBusLoaded());
    }
    auto reserved = std::make_unique<CRecorderSock>(u"SockSock");
    {
        CRecorderSock component(u"Component");
        EXPECT_TRUE(IsBusLoaded());
    }
    EXPECT_FALSE(IsBusLoaded()); // the reserved object did not keep the bus loaded

    CRecorderSock component(u"Component");
    reserved.reset();
    EXPECT_TRUE(IsBusLoaded()); // nor does its destruction take a count away from the others
    EXPECT_TRUE(component.Serve(u"KWStillThere"));
    EXPECT_EQ(Send(&component, u"KWStillThere", u""), 0);
}

TEST(BusComponents, LastComponentUnloadsTheBusAndTheNextLoadsItAgain) {
    {
        CRecorderSock component(u"Once");
        ASSERT_TRUE(IsBusLoaded());
        ASSERT_TRUE(RegisterCommand(&component, u"KWOld", nullptr, &NoOp, 1, u"Test"));
    }
    EXPECT_FALSE(IsBusLoaded());
    CRecorderSock again(u"Again");
    EXPECT_TRUE(IsBusLoaded());
    EXPECT_GT(again.id, 0);
    EXPECT_EQ(Send(&again, u"KWOld", u""), -1);
}

TEST(BusComponents, WithoutTheBusEverythingAnswersMinusOne) {
    SetBusLibraryPath("/nonexistent/KWLink.so");
    EXPECT_FALSE(LoadBus());
    CRecorderSock component(u"Alone");
    EXPECT_EQ(component.id, 0);
    EXPECT_FALSE(component.Serve(u"KWAnything"));
    EXPECT_FALSE(OfferNotification(&component, u"KWNotifyAnything", nullptr, 0, u"KWMain"));
    EXPECT_EQ(Send(&component, u"KWAnything", u""), -1);
    EXPECT_EQ(Post(&component, u"KWAnything", u""), -1);
    CKWStr result(u"old");
    EXPECT_EQ(SendForResult(&component, u"KWAnything", u"", &result), -1);
    EXPECT_TRUE(result.IsEmpty());
    SetBusLibraryPath(nullptr);
}

TEST(BusComponents, RegistrationTextHasFiveFieldsWithHelpLast) {
    EXPECT_EQ(CommandRegistrationText(u"KWFoo", nullptr, 0x7f12ab34cd56u, 1, u"KWMain").Text(),
              u"KWFoo,0x7f12ab34cd56,1,KWMain,");
    EXPECT_EQ(CommandRegistrationText(u"KWBar", u"KWBar a,b\n=> c", 0xC0000064u, 2, nullptr).Text(),
              u"KWBar,0xc0000064,2,,KWBar a,b\n=> c");
}

TEST(BusComponents, RegistrationIsRefusedForBadHandlersAndForeignNames) {
    CRecorderSock owner(u"Owner"), intruder(u"Intruder");
    EXPECT_TRUE(RegisterCommand(&owner, u"KWMine", nullptr, &NoOp, 1, u"Test"));
    EXPECT_TRUE(RegisterCommand(&owner, u"KWMINE", u"again", &NoOp, 1, u"Test")); // its owner may replace it
    EXPECT_FALSE(RegisterCommand(&intruder, u"kwmine", nullptr, &NoOp, 1, u"Test"));
    EXPECT_FALSE(RegisterCommand(&intruder, u"KWOpenSock", nullptr, &NoOp, 1, u"Test"));
    EXPECT_FALSE(RegisterCommand(&owner, nullptr, nullptr, &NoOp, 1, u"Test"));
    EXPECT_FALSE(RegisterCommand(&owner, u"KWNull", nullptr, KWCmdHandler(nullptr), 1, u"Test"));
    EXPECT_EQ(Send(&owner, u"KWRegSvcCmd", u"KWWild,0x10,1,Test,"), 0); // no code at that address
    EXPECT_EQ(Send(&owner, u"KWWild", u""), -1);
    EXPECT_FALSE(RegisterCommand(nullptr, u"KWNumberedAnonymous", nullptr, 0xC0000010u, 1, u"Test"));
}

TEST(BusComponents, HandlerMayCloseItsOwnComponent) {
    CRecorderSock host(u"Host");
    auto* doomed = new CRecorderSock(u"Doomed");
    ASSERT_TRUE(doomed->Serve(u"KWCloseMe"));
    ASSERT_TRUE(doomed->Subscribe(u"KWNotifyAfter"));
    doomed->OnRequest(u"KWCloseMe", [doomed](const char16_t*, CKWStr& result) {
        delete doomed;
        result = u"gone";
        return 7;
    });
    CKWStr result;
    EXPECT_EQ(SendForResult(&host, u"KWCloseMe", u"", &result), 7);
    EXPECT_EQ(result.Text(), u"gone");
    EXPECT_EQ(Send(&host, u"KWCloseMe", u""), -1);
    EXPECT_EQ(Send(&host, u"KWNotifyAfter", u""), -1); // its subscription went with it
    EXPECT_TRUE(IsBusLoaded());
}

TEST(BusComponents, LastComponentClosingInsideAHandlerUnloadsOnlyAfterTheCall) {
    auto* last = new CRecorderSock(u"Last");
    ASSERT_TRUE(last->Serve(u"KWEnd"));
    last->OnRequest(u"KWEnd", [last](const char16_t*, CKWStr&) {
        delete last;
        return 0;
    });
    EXPECT_EQ(SendAnonymous(nullptr, u"KWEnd", u""), 0);
    EXPECT_FALSE(IsBusLoaded());
}

TEST(BusComponents, CloseAllSockDetachesEveryComponentAndClosesThem) {
    CRecorderSock host(u"Host"), a(u"A");
    ASSERT_TRUE(a.Serve(u"KWServedByA"));
    ASSERT_TRUE(a.Subscribe(u"KWNotifyAny"));
    EXPECT_EQ(SendAnonymous(&host, u"KWCloseAllSock", u""), 0);
    EXPECT_EQ(host.detachCount, 1);
    EXPECT_EQ(a.detachCount, 1);
    EXPECT_EQ(Send(&host, u"KWServedByA", u""), -1);
    EXPECT_EQ(Send(&host, u"KWNotifyAny", u""), -1);
    EXPECT_TRUE(IsBusLoaded()); // the objects still exist; their destruction unloads the bus
}

TEST(BusComponents, ListCmdListsCommandsByPrefixAndGivesWholeHelp) {
    CRecorderSock host(u"Host");
    ASSERT_TRUE(RegisterCommand(&host, u"KWZeta", u"KWZeta <x>\n=> y", &NoOp, 1, u"KWMain"));
    ASSERT_TRUE(RegisterCommand(&host, u"KWAlpha", u"KWAlpha first line\r\nsecond", &NoOp, 2, u"KWMain"));
    ASSERT_TRUE(RegisterCommand(&host, u"KWBeta", nullptr, &NoOp, 0, u"Other"));
    CKWStr result;
    ASSERT_EQ(SendForResult(&host, u"KWListCmd", u"kwa", &result), 0);
    EXPECT_EQ(result.Text(), u"KWAddDLLComponent\tKWLink\t1\tKWAddDLLComponent <library file>\n"
                             u"KWAlpha\tKWMain\t2\tKWAlpha first line");
    ASSERT_EQ(SendForResult(&host, u"KWListCmd", u"KWB", &result), 0);
    EXPECT_EQ(result.Text(), u"KWBeta\tOther\t0\t");
    ASSERT_EQ(SendForResult(&host, u"KWListCmd", u"/Help,kwzeta", &result), 0);
    EXPECT_EQ(result.Text(), u"KWZeta <x>\n=> y");
    EXPECT_EQ(SendForResult(&host, u"KWListCmd", u"/Help,KWNone", &result), -10);
    ASSERT_EQ(SendForResult(&host, u"KWListCmd", u"", &result), 0);
    EXPECT_NE(result.Text().find(u"KWZeta\tKWMain\t1\tKWZeta <x>"), std::u16string::npos);
}

} // namespace
