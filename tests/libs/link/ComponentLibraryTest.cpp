// Component libraries: adding, refusing, adding twice, removing (also from inside the library's own
// handler), and closing everything.
#include "support/RecorderSock.h"

#include "core/KWBusClient.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ComponentLibraries : public testing::Test {
protected:
    // As at the end of the application: the libraries' components keep the bus open until then.
    void TearDown() override { SendAnonymous(&host, u"KWCloseAllSock", u""); }

    CKWStr Ask(const char16_t* command, const char16_t* arguments = u"", int32_t* code = nullptr) {
        CKWStr result;
        const int32_t answer = SendForResult(&host, command, arguments, &result);
        if (code != nullptr)
            *code = answer;
        return result;
    }
    int32_t Anonymous(const char16_t* command, const std::string& path) {
        const CKWStr arguments = CKWStr::FromUtf8(path);
        return SendAnonymous(&host, command, arguments.c_str(), &reply);
    }

    CRecorderSock host{u"Host"};
    CKWStr reply;
};

TEST_F(ComponentLibraries, AddedLibraryOpensItsComponentsAndServesTheirCommands) {
    ASSERT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0) << reply.ToUtf8();
    EXPECT_EQ(Ask(u"KWTestLibEcho", u"hi").Text(), u"echo:hi");
    EXPECT_EQ(Send(&host, u"KWNotifyTestLib", u""), 0);
    EXPECT_EQ(Ask(u"KWTestLibStats").Text(), u"attached=1,detached=0,notified=1");

    EXPECT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0); // twice: nothing happens
    EXPECT_EQ(Ask(u"KWTestLibStats").Text(), u"attached=1,detached=0,notified=1");
    EXPECT_EQ(Send(&host, u"KWEndAddDLLComponent", u""), 0);

    EXPECT_EQ(Anonymous(u"KWRemoveDLLComponent", KW_TEST_COMPONENT), 0);
    int32_t code = 0;
    Ask(u"KWTestLibEcho", u"hi", &code);
    EXPECT_EQ(code, -1);
    EXPECT_EQ(Anonymous(u"KWRemoveDLLComponent", KW_TEST_COMPONENT), -10);
}

TEST_F(ComponentLibraries, MissingRefusingAndEntrylessLibrariesAreRefused) {
    EXPECT_EQ(Anonymous(u"KWAddDLLComponent", "/nonexistent/Missing.so"), -10);
    EXPECT_NE(reply.ToUtf8().find("Missing.so"), std::string::npos);
    EXPECT_EQ(Anonymous(u"KWAddDLLComponent", "NotInTheBusFolder.so"), -10);
    EXPECT_EQ(Anonymous(u"KWAddDLLComponent", KW_NO_ENTRY_COMPONENT), -10);
    EXPECT_NE(reply.ToUtf8().find("KWComponentAttach"), std::string::npos);
    EXPECT_EQ(Anonymous(u"KWAddDLLComponent", KW_REFUSING_COMPONENT), -5);
    EXPECT_EQ(Anonymous(u"KWRemoveDLLComponent", KW_REFUSING_COMPONENT), -10); // it never stayed
}

TEST_F(ComponentLibraries, LibraryMayRemoveItselfFromItsOwnHandler) {
    ASSERT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0);
    const CKWStr path = CKWStr::FromUtf8(KW_TEST_COMPONENT);
    int32_t code = -99;
    // The library's code is on the stack while the bus removes it: it must stay mapped until the call
    // has returned.
    EXPECT_EQ(Ask(u"KWTestLibRemoveSelf", path.c_str(), &code).Text(), u"still running after removal");
    EXPECT_EQ(code, 0);
    Ask(u"KWTestLibEcho", u"x", &code);
    EXPECT_EQ(code, -1);
    ASSERT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0); // and it can come back
    EXPECT_EQ(Ask(u"KWTestLibEcho", u"back").Text(), u"echo:back");
}

TEST_F(ComponentLibraries, CloseAllSockDetachesAndUnloadsEveryLibrary) {
    ASSERT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0);
    EXPECT_EQ(SendAnonymous(&host, u"KWCloseAllSock", u""), 0);
    EXPECT_EQ(host.detachCount, 1);
    int32_t code = 0;
    Ask(u"KWTestLibEcho", u"x", &code);
    EXPECT_EQ(code, -1);
    // Loading it afterwards starts from a fresh copy of the library.
    ASSERT_EQ(Anonymous(u"KWAddDLLComponent", KW_TEST_COMPONENT), 0);
    EXPECT_EQ(Ask(u"KWTestLibStats").Text(), u"attached=1,detached=0,notified=0");
}

} // namespace
