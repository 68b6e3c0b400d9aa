// The path helper: combination, relative paths, separators and sameness.
#include "services/KWPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Text(const std::optional<CKWStr>& path) { return path ? path->Text() : u"<none>"; }

TEST(Path, CombineFollowsTheBaseAndWalksDots) {
    const struct {
        const char16_t* base;
        const char16_t* name;
        const char16_t* result;
    } cases[] = {
        {u"/proj", u"src/a.c", u"/proj/src/a.c"},
        {u"/proj/", u"src/a.c", u"/proj/src/a.c"},
        {u"/proj", u"/abs/x.c", u"/abs/x.c"},
        {u"/proj\\sub", u"a\\b.c", u"/proj/sub/a/b.c"},
        {u"/proj/sub", u"./a.c", u"/proj/sub/a.c"},
        {u"/proj/sub", u"../a.c", u"/proj/a.c"},
        {u"/proj/sub", u"..\\..\\..\\a.c", u"/proj/a.c"}, // never above the first folder
        {u"/proj/sub", u"./x/", u"/proj/sub/x"},
        {u"/proj/sub", u"..", u"/proj/sub/.."},
        {u"/", u"./a.c", u"/a.c"},
        {u"/", u"a.c", u"/a.c"},
        {u"", u"a.c", u"<none>"},
        {u"/proj", u"", u"<none>"},
        {u"/proj", u".hidden", u"/proj/.hidden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(Text(kwpath::Combine(c.base, c.name)), c.result);
    }
}

TEST(Path, RelativeAndSamePath) {
    const struct {
        const char16_t* base;
        const char16_t* file;
        const char16_t* result;
    } cases[] = {
        {u"/proj", u"/proj/src/a.c", u"src/a.c"},   {u"/proj/sub/", u"/proj/a.c", u"../a.c"},
        {u"/proj", u"/other/a.c", u"../other/a.c"}, {u"/proj", u"/proj", u"."},
        {u"/a/./b/../c", u"/a/c/d", u"d"},          {u"proj", u"/proj/a.c", u"<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(Text(kwpath::Relative(c.base, c.file)), c.result);
    }
    EXPECT_TRUE(kwpath::SamePath(u"/a/b/", u"/a\\b"));
    EXPECT_TRUE(kwpath::SamePath(u"/a/./c/../b", u"/a/b"));
    EXPECT_FALSE(kwpath::SamePath(u"/a/B", u"/a/b"));
    EXPECT_FALSE(kwpath::SamePath(u"a/b", u"/a/b"));
    EXPECT_TRUE(kwpath::IsAbsolute(u"\\x"));
    EXPECT_FALSE(kwpath::IsAbsolute(u"C:x"));
    EXPECT_EQ(kwpath::Join(u"/a/", u"/b").Text(), u"/a/b");
    EXPECT_EQ(kwpath::WithoutTrailingSeparator(u"/").Text(), u"/");
    EXPECT_EQ(kwpath::WithTrailingSeparator(u"/a\\b").Text(), u"/a/b/");
    EXPECT_EQ(kwpath::Normalized(u"/a/../../b/.").Text(), u"/b");
}

} // namespace
