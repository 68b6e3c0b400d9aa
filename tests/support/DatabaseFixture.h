// A test fixture with the host's database accessor on the real library: the database "KWV5" with its
// roots, and a dump of a key's whole contents for comparing trees.
#pragma once

#include "services/KWDBAccess.h"

#include <gtest/gtest.h>

#include <string>

class DatabaseFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(db.LoadLibrary());
        ASSERT_TRUE(db.CreateDatabase(u"KWX5Main"));
    }
    void TearDown() override { db.FreeDatabase(); }

    // Every value and sub-key below key, in order, one per line, with control characters made visible.
    std::u16string Dump(int32_t key, int depth = 0) const {
        std::u16string out;
        const std::u16string indent(std::size_t(depth) * 2, u' ');
        for (int32_t i = 0; i < db.GetValueCount(key); ++i)
            out += indent + u"v[" + Visible(db.GetValueNameByIndex(key, i).Text()) + u"]=[" +
                   Visible(db.GetStrByIndex(key, i).Text()) + u"]\n";
        for (const int32_t child : db.GetKeyIdList(key))
            out += indent + u"k[" + Visible(db.GetKeyName(child).Text()) + u"]\n" + Dump(child, depth + 1);
        return out;
    }

    static std::u16string Visible(const std::u16string& text) {
        std::u16string out;
        for (const char16_t c : text) {
            if (c < 0x20 || c == u'\\') {
                out += u"\\";
                out += CKWStr(int32_t(c), 16).Text();
            } else {
                out += c;
            }
        }
        return out;
    }

    CKWDBAccess& db = CKWDBAccess::Instance();
};
