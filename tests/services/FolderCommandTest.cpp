// KWFolder and KWPathMacro through the bus, on a project made with the project manager.
#include "support/HostFixture.h"

#include "core/KWBusClient.h"
#include "core/KWCommandLine.h"
#include "project/ProjectManager.h"
#include "services/KWFolders.h"

#include <string>

namespace {

class Folders : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        SetApp(u"InstallPath", u"/opt/kw/");
        SetApp(u"UserDir", u"/home/u/KW/");
        CKWProjectManager& manager = CKWProjectManager::Instance();
        manager.AddDefaultFolderGroup(CKWStr(u"FilePath"), CKWStr(u"Project"));
        manager.AddDefaultFolderGroup(CKWStr(u"Tools"), CKWStr(u"Bin"));
        CKWProjectManager::RegisterCallbacks(db);
        project = manager.CreateSkeleton(CKWStr(u"Demo"), CKWStr(u"/work/demo"), CKWStr(u"KM16"));
        ASSERT_NE(project, nullptr);
        manager.MakeCurrent(*project);
    }
    void TearDown() override {
        CKWProjectManager::Instance().Clear();
        HostFixture::TearDown();
    }
    // A command line sent for the project.
    KWRunResult RunFor(const char16_t* line) {
        const KWCommandLine command = SplitCommandLine(line);
        CKWStr result(u"untouched");
        const int32_t code = SendForResult(recorder.get(), command.name.c_str(), command.arguments.c_str(),
                                           &result, project->projectId);
        return {code, result.Text()};
    }

    CKWProjectRecord* project = nullptr;
};

TEST_F(Folders, WellKnownFoldersAndGroups) {
    EXPECT_EQ(RunFor(u"KWFolder /GetPath,Install").text, u"/opt/kw");
    EXPECT_EQ(RunFor(u"KWFolder /GetPath,bin").text, u"/opt/kw/Bin");
    EXPECT_EQ(RunFor(u"KWFolder /GetPath").text, u"/work/demo");
    EXPECT_EQ(RunFor(u"KWFolder /GetPath,User").text, u"/home/u/KW");
    EXPECT_EQ(RunFor(u"KWFolder /GetPath,CCLib").text, u"/Lib"); // no build component: the suffix alone
    EXPECT_EQ(RunFor(u"KWFolder /GetPath,Nowhere").text, u"");
    EXPECT_EQ(RunFor(u"KWFolder /Bogus").code, -1);
    RunFor(u"KWFolder Install");
    EXPECT_EQ(shellCalls->back().target, u"/opt/kw/");

    EXPECT_EQ(RunFor(u"KWFolder /GetFolderGroupList").text, u"FilePath,Tools");
    EXPECT_EQ(RunFor(u"KWFolder /GetFolderGroup,Tools").text, u"/opt/kw/Bin/");
    const int32_t groups = db.GetKeyIdByName(db.GetKeyId(u"\\DB_Dft\\Demo"), u"FolderGroup");
    EXPECT_EQ(db.GetStr(groups, u"Tools").Text(), u"/opt/kw/Bin/"); // resolved once, stored from then on
    EXPECT_EQ(RunFor(u"KWFolder /GetFolderGroup,FilePath").text, u"/work/demo");
    RunFor(u"KWFolder /SetFolderGroup,Src,\"/work/demo/src\"");
    EXPECT_EQ(RunFor(u"KWFolder /GetFolderGroup,Src").text, u"/work/demo/src");
    EXPECT_EQ(RunFor(u"KWFolder /GetFolderGroup,Missing").text, u"");
}

TEST_F(Folders, GroupWithoutAProjectIsTheGroupOrUserFolder) {
    CKWProjectManager::Instance().Clear();
    EXPECT_EQ(Run(u"KWFolder /GetFolderGroup,FilePath").text, u"/home/u/KW/");
    db.SetValue(db.Root(KWRoot::ProjGrp), u"Dir", u"/work/group");
    EXPECT_EQ(Run(u"KWFolder /GetFolderGroup,Anything").text, u"/work/group");
}

TEST_F(Folders, MacrosAreListedAddedChangedAndDeleted) {
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(ProjectDir)").text, u"/work/demo/");
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(ProjectPath)").text, u"/work/demo");
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(ProjectPathName)").text, u"/work/demo/Demo.kwp5");
    EXPECT_EQ(RunFor(u"KWPathMacro /Add,$(Lib),/opt/lib").code, 0);
    EXPECT_EQ(RunFor(u"KWPathMacro /Add,$(Lib),/other").code, -10);
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(Lib)").text, u"/opt/lib");
    EXPECT_EQ(RunFor(u"KWPathMacro /AddDirect,$(Lib),/in/memory").code, 0);
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(Lib)").text, u"/in/memory");
    CKWProjectManager::Instance().LoadPathMacros(*project); // the project loaded again
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(Lib)").text, u"/opt/lib");
    const std::u16string list = RunFor(u"KWPathMacro").text;
    EXPECT_EQ(list.substr(0, list.find(u'\n')), u"$(Lib),/opt/lib"); // stored user macros come first
    EXPECT_EQ(RunFor(u"KWPathMacro /Change,$(Lib),/usr/lib").code, 0);
    EXPECT_EQ(db.GetStr(db.GetKeyIdByName(project->pathMacroKey, u"$(Lib)"), u"Path").Text(), u"/usr/lib");
    EXPECT_EQ(RunFor(u"KWPathMacro /Delete,$(Lib)").code, 0);
    EXPECT_EQ(RunFor(u"KWPathMacro /GetPath,$(Lib)").code, -10);
    EXPECT_EQ(db.GetKeyCount(project->pathMacroKey), 0);
    const KWRunResult refused = RunFor(u"KWPathMacro /Change,$(None),x");
    EXPECT_EQ(refused.code, -10);
    EXPECT_EQ(refused.text, u"");
    EXPECT_EQ(RunFor(u"KWPathMacro /Bogus").code, -10);
    EXPECT_EQ(SendForResult(recorder.get(), u"KWPathMacro", u"", nullptr, 999), -10); // no such project
}

TEST_F(Folders, NamesAreExpandedMadeAbsoluteRelativeAndGivenMacros) {
    RunFor(u"KWPathMacro /Add,abc,/data/abc");
    const struct {
        const char16_t* line;
        const char16_t* result;
    } cases[] = {
        {u"KWPathMacro /Expand,$(ProjectDir)src\\$(ProjectDir)x", u"/work/demo/src\\$(ProjectDir)x"},
        {u"KWPathMacro /Expand,$(ProjectDir)a.c,$(KWInstallDir)b.c,plain",
         u"/work/demo/a.c,/opt/kw/b.c,plain"},
        {u"KWPathMacro /Abs,src/a.c", u"/work/demo/src/a.c"},
        {u"KWPathMacro /Abs,../lib/a.c", u"/work/lib/a.c"},
        {u"KWPathMacro /Abs,$(KWInstallDir)inc/x.h", u"/opt/kw/inc/x.h"},
        {u"KWPathMacro /Abs,x.c,/base", u"/base/x.c"},
        {u"KWPathMacro /Rel,/work/demo/src/a.c", u"./src/a.c"},
        {u"KWPathMacro /Rel,/work/other/a.c", u"../other/a.c"},
        {u"KWPathMacro /Rel,relative/a.c", u"relative/a.c"},
        {u"KWPathMacro /M,$(ProjectDir),/WORK/demo/src/a.c", u"$(ProjectDir)src/a.c"},
        {u"KWPathMacro /M,$(ProjectDir),src/a.c", u"$(ProjectDir)src/a.c"},
        {u"KWPathMacro /M,$(KWInstallDir),/mnt/x.c", u"/mnt/x.c"},
        {u"KWPathMacro /Rel,/mnt/x/a.c,/mnt", u"./x/a.c"}, // "/mnt" is no "/M" word
        {u"KWPathMacro /GetMacroname,/work/demo/", u"$(ProjectDir)"},
        {u"KWPathMacro /GetMacroname,/work/demo", u"$(ProjectPath)"},
        {u"KWPathMacro /GetMacroname,/DATA/abc", u"abc"},
        {u"KWPathMacro /GetMacroname,/nowhere", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line, c.line + std::char_traits<char16_t>::length(c.line)));
        const KWRunResult answer = RunFor(c.line);
        EXPECT_EQ(answer.code, 0);
        EXPECT_EQ(answer.text, c.result);
    }
    const std::u16string define = RunFor(u"KWPathMacro /Define").text;
    EXPECT_EQ(define.substr(0, define.find(u'\n')), u"ProjectDir=/work/demo/");
    EXPECT_EQ(define.substr(define.rfind(u'\n') + 1),
              u"abc=/data/abc"); // added while open: after the built-ins
    EXPECT_NE(RunFor(u"KWPathMacro /Define,:").text.find(u"\nProjectExt:.kwp5\n"), std::u16string::npos);
}

TEST_F(Folders, DefinitionStringNamesTheInstallationFolders) {
    const std::u16string definition = InstallFolderDefinition().Text();
    EXPECT_EQ(definition.substr(0, 38), u"$(Install)=/opt/kw/;$(Bin)=/opt/kw/Bin");
    EXPECT_NE(
        definition.find(
            u";$(Doc)=/opt/kw/Doc/;$(Tool)=/opt/kw/Tool/;$(Plugin)=/opt/kw/Plugin/;$(User)=/home/u/KW/;"),
        std::u16string::npos);
    EXPECT_NE(definition.find(u";$(Desktop)="), std::u16string::npos);
}

} // namespace
