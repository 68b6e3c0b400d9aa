#include "core/KWCommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, SplitsNameFromVerbatimArguments) {
    const struct {
        const char16_t* line;
        const char16_t* name;
        const char16_t* arguments;
    } cases[] = {
        {u"KWDB   /KEY,x", u"KWDB", u"/KEY,x"},
        {u"KWProject /Open,\"C:\\My Dir\\a.kwp5\"  ", u"KWProject", u"/Open,\"C:\\My Dir\\a.kwp5\"  "},
        {u"KWExit", u"KWExit", u""},
        {u"  KWExit /Silent", u"KWExit", u"/Silent"},
        {u"KWEcho a,  b ,c", u"KWEcho", u"a,  b ,c"},
        {u"", u"", u""},
        {nullptr, u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const KWCommandLine line = SplitCommandLine(c.line);
        EXPECT_EQ(line.name.Text(), c.name);
        EXPECT_EQ(line.arguments.Text(), c.arguments);
    }
}

} // namespace
