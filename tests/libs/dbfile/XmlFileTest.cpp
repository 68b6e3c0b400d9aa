// Saving and loading keys as XML files and memory images: every text survives, what is written is
// well-formed XML, and damaged input or a failed save changes nothing.
#include "support/DatabaseFixture.h"

#include "core/KWUnicode.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class XmlFiles : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        folder = fs::temp_directory_path() / ("kwdb-xml-" + std::to_string(getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::remove_all(folder);
        DatabaseFixture::TearDown();
    }

    std::u16string PathOf(const char* name) const { return Utf8ToUtf16((folder / name).string()); }

    // A tree with every text that is awkward for XML, in names and values, keys and their order.
    int32_t AwkwardTree() const {
        const char16_t* texts[] = {
            u"",
            u"  leading and trailing  ",
            u"line\nfeed\r\nand\rreturn",
            u"\ttab\t",
            u"<tag> & \"quotes\" 'apostrophes' ]]>",
            u"\U0001F525 outside the basic plane",
            u"control \x01\x1b\x7f chars",
            u"lone \xd800 surrogate",
            u"back\\slash \\u0041 \\\\",
            u"\xfffe\xffff",
        };
        const int32_t top = db.AddKey(db.Root(KWRoot::View), u"Awkward");
        for (const char16_t* text : texts) {
            db.AddValue(top, u"Same", text);
            const int32_t key = db.AddKey(top, *text != 0 ? text : u"named");
            db.AddValue(key, *text != 0 ? text : u"x", text);
            db.AddValue(db.AddKey(key, u"Same"), u"Same", u"again");
            db.AddKey(key, u"Same");
        }
        // Empty names cannot be made through the accessor's guards, but files may hold them.
        std::ofstream(folder / "nameless.xml")
            << "<?xml version=\"1.0\"?><kwdb version=\"1\" n=\"\"><v n=\"\" t=\"nameless value\"/>"
               "<key n=\"\"><v n=\"\" t=\"\"/></key></kwdb>";
        EXPECT_TRUE(db.LoadXMLFile(top, PathOf("nameless.xml").c_str()));
        return top;
    }

    bool Lint(const std::u16string& path) const {
        const std::string command = "xmllint --noout '" + Utf16ToUtf8(path) + "' 2>&1";
        return std::system(command.c_str()) == 0;
    }

    fs::path folder;
};

TEST_F(XmlFiles, SaveAndLoadReproduceTheTreeExactly) {
    const int32_t tree = AwkwardTree();
    const std::u16string path = PathOf("tree.xml");
    ASSERT_TRUE(db.SaveXMLFile(tree, path.c_str()));
    EXPECT_TRUE(Lint(path));

    const int32_t loaded = db.AddKey(db.Root(KWRoot::Read), u"Loaded");
    ASSERT_TRUE(db.LoadXMLFile(loaded, path.c_str()));
    EXPECT_EQ(Dump(loaded), Dump(tree));

    // Saving what was loaded gives the same file.
    const std::u16string again = PathOf("again.xml");
    ASSERT_TRUE(db.SaveXMLFile(loaded, again.c_str()));
    std::ifstream a(Utf16ToUtf8(path)), b(Utf16ToUtf8(again));
    std::stringstream textA, textB;
    textA << a.rdbuf();
    textB << b.rdbuf();
    EXPECT_EQ(textA.str().substr(textA.str().find("<v")), textB.str().substr(textB.str().find("<v")));
}

TEST_F(XmlFiles, MemoryImageReproducesTheTreeAndIsWellFormedOnOneLine) {
    const int32_t tree = AwkwardTree();
    const CKWStr image = db.Serialize(tree);
    ASSERT_FALSE(image.IsEmpty());
    EXPECT_EQ(image.Text().find(u'\n'), std::u16string::npos);
    const int32_t copy = db.AddKey(db.Root(KWRoot::Read), u"Copy");
    ASSERT_TRUE(db.Unserialize(copy, image.c_str()));
    EXPECT_EQ(Dump(copy), Dump(tree));

    std::ofstream(folder / "image.xml") << image.ToUtf8();
    EXPECT_TRUE(Lint(PathOf("image.xml")));
}

TEST_F(XmlFiles, LoadingAddsAfterWhatTheKeyHolds) {
    const int32_t source = db.AddKey(db.Root(KWRoot::View), u"Source");
    db.AddValue(source, u"b", u"2");
    db.AddKey(source, u"SubB");
    const std::u16string path = PathOf("source.xml");
    ASSERT_TRUE(db.SaveXMLFile(source, path.c_str()));

    const int32_t target = db.AddKey(db.Root(KWRoot::Read), u"Target");
    db.AddValue(target, u"a", u"1");
    db.AddKey(target, u"SubA");
    ASSERT_TRUE(db.LoadXMLFile(target, path.c_str()));
    EXPECT_EQ(Dump(target), u"v[a]=[1]\nv[b]=[2]\nk[SubA]\nk[SubB]\n");
    EXPECT_TRUE(db.GetModFlag(target));
}

TEST_F(XmlFiles, MalformedDocumentsChangeNothing) {
    const int32_t target = db.AddKey(db.Root(KWRoot::Read), u"Target");
    db.AddValue(target, u"keep", u"me");
    const std::u16string before = Dump(target);
    const char* documents[] = {
        "",
        "not xml at all",
        "<?xml version=\"1.0\"?><kwdb version=\"1\"><v n=\"a\" t=\"1\"/><key n=\"k\">",
        "<?xml version=\"1.0\"?><other version=\"1\"/>",
        "<?xml version=\"1.0\"?><kwdb version=\"2\"/>",
        "<?xml version=\"1.0\"?><kwdb version=\"1\"><v n=\"a\" t=\"1\"/><bogus/></kwdb>",
        "<?xml version=\"1.0\"?><kwdb version=\"1\"><v n=\"a\" t=\"1\"/>text</kwdb>",
        "<?xml version=\"1.0\"?><kwdb version=\"1\"><v n=\"a\" te=\"\\q\"/></kwdb>",
        "<?xml version=\"1.0\"?><kwdb version=\"1\"><key n=\"k\"><v ne=\"\\u12\"/></key></kwdb>",
    };
    for (const char* document : documents) {
        SCOPED_TRACE(document);
        std::ofstream(folder / "bad.xml") << document;
        EXPECT_FALSE(db.LoadXMLFile(target, PathOf("bad.xml").c_str()));
        EXPECT_EQ(Dump(target), before);
    }
    EXPECT_FALSE(db.LoadXMLFile(target, PathOf("missing.xml").c_str()));
    EXPECT_FALSE(db.LoadXMLFile(target, Utf8ToUtf16(folder.string()).c_str())); // a folder
    EXPECT_EQ(Dump(target), before);
}

TEST_F(XmlFiles, EveryTruncatedImageIsRefusedWithoutChange) {
    const CKWStr image = db.Serialize(AwkwardTree());
    const int32_t target = db.AddKey(db.Root(KWRoot::Read), u"Target");
    db.AddValue(target, u"keep", u"me");
    const std::u16string before = Dump(target);
    for (std::size_t length = 1; length < image.Length(); length += 7) {
        const std::u16string truncated = image.Text().substr(0, length);
        ASSERT_FALSE(db.Unserialize(target, truncated.c_str())) << "length " << length;
    }
    EXPECT_EQ(Dump(target), before);
}

TEST_F(XmlFiles, FailedSaveLeavesTheOldFileAsItWas) {
    const int32_t key = db.AddKey(db.Root(KWRoot::View), u"Saved");
    db.AddValue(key, u"version", u"1");
    const std::u16string path = PathOf("kept.xml");
    ASSERT_TRUE(db.SaveXMLFile(key, path.c_str()));
    std::stringstream original;
    original << std::ifstream(Utf16ToUtf8(path)).rdbuf();

    // The temporary file cannot be made: its name is taken by a folder.
    fs::create_directory(Utf16ToUtf8(path) + ".kwtmp" + std::to_string(getpid()));
    db.SetValue(key, u"version", u"2");
    EXPECT_FALSE(db.SaveXMLFile(key, path.c_str()));
    std::stringstream now;
    now << std::ifstream(Utf16ToUtf8(path)).rdbuf();
    EXPECT_EQ(now.str(), original.str());
    EXPECT_FALSE(db.SaveXMLFile(key, PathOf("no/such/folder/file.xml").c_str()));
    EXPECT_FALSE(db.SaveXMLFile(0, path.c_str()));
}

} // namespace
