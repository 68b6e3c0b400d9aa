// The host's access to the script engine: the library from the program folder, the guards of the
// wrappers, a missing or incomplete library that makes every script do nothing, and the host's scope
// object that takes its scope along when it goes.
#include "services/KWScriptEngine.h"
#include "services/KWScriptScope.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// $Translate answers "Ja" for "Yes" and nothing else.
int32_t Translate(void*, const KWScriptCall* call, CKWStr* result) {
    if (call->argc != 1 || std::u16string_view(call->argv[0]) != u"Yes")
        return 0;
    *result = u"Ja";
    return 1;
}

TEST(ScriptEngine, RunsScriptsThroughTheLibraryInTheProgramFolder) {
    CKWScriptEngine engine;
    ASSERT_TRUE(engine.Load());
    const int32_t scope = engine.SetScope(u"MemWin");
    ASSERT_GE(scope, 0);
    EXPECT_TRUE(engine.SetVar(scope, u"$Mode", u"HEX"));
    EXPECT_TRUE(engine.SetCallBack(scope, u"$Translate", &Translate, nullptr));

    const int32_t script = engine.SetScript(scope, u"$check = $Mode == \"hex\"\n$Translate(Yes) . \"!\"");
    ASSERT_GE(script, 0);
    EXPECT_EQ(engine.ExecScript(script), 1);
    EXPECT_EQ(engine.GetResult(script).Text(), u"Ja!");
    EXPECT_EQ(std::u16string(engine.GetVar(scope, u"$check")), u"true");
    EXPECT_EQ(engine.GetVar(scope, u"$absent"), nullptr);

    EXPECT_EQ(engine.SetScript(scope, u"$x = ("), -1);
    EXPECT_EQ(engine.GetErrStr().Text(),
              u"line 1, column 7: expected an expression but found the end of the script");

    // Negative handles never reach the library.
    EXPECT_EQ(engine.SetScript(-1, u"1"), -1);
    EXPECT_EQ(engine.ExecScript(-1), 0);
    EXPECT_FALSE(engine.SetVar(-1, u"$x", u"1"));
    EXPECT_EQ(engine.GetVar(-1, u"$x"), nullptr);
    EXPECT_TRUE(engine.GetResult(-1).IsEmpty());

    EXPECT_TRUE(engine.DeleteScope(scope));
    EXPECT_EQ(engine.ExecScript(script), 0);
}

TEST(ScriptEngine, AMissingOrIncompleteLibraryMakesEveryScriptDoNothing) {
    for (const std::string path : {"/no/such/folder/ScriptCore.so", KW_INCOMPLETE_SCRIPT_CORE}) {
        SCOPED_TRACE(path);
        CKWScriptEngine engine;
        EXPECT_FALSE(engine.Load(path));
        EXPECT_FALSE(engine.IsLoaded());
        EXPECT_EQ(engine.SetScope(u"MemWin"), -1);
        EXPECT_EQ(engine.SetScript(1, u"1"), -1);
        EXPECT_EQ(engine.ExecScript(1), 0);
        EXPECT_FALSE(engine.SetVar(1, u"$x", u"1"));
        EXPECT_EQ(engine.GetVar(1, u"$x"), nullptr);
        EXPECT_FALSE(engine.SetCallBack(1, u"$Translate", &Translate, nullptr));
        EXPECT_TRUE(engine.GetResult(1).IsEmpty());
        EXPECT_TRUE(engine.GetErrStr().IsEmpty());
        EXPECT_FALSE(engine.DeleteScope(1));
    }
}

TEST(ScriptEngine, TheScopeObjectTakesItsScopeAlong) {
    CKWScriptEngine& engine = CKWScriptEngine::Instance();
    ASSERT_TRUE(engine.Load());
    int32_t script = -1;
    {
        const CKWScriptScope scope(u"TreeWin");
        EXPECT_EQ(scope.Name().Text(), u"TreeWin");
        ASSERT_GE(scope.Handle(), 0);
        EXPECT_TRUE(scope.SetVar(u"$count", u"3"));
        EXPECT_TRUE(scope.SetCallBack(u"$Translate", &Translate, nullptr));
        script = scope.Compile(u"$count * 2 . $Translate(Yes)");
        EXPECT_EQ(scope.RunForText(script).Text(), u"6Ja");
        EXPECT_EQ(scope.Run(scope.Compile(u"$count * 2")), 6);
        EXPECT_EQ(scope.GetVar(u"$count").Text(), u"3");
    }
    EXPECT_EQ(engine.ExecScript(script), 0); // its scripts went with it

    engine.Unload();
    const CKWScriptScope without(u"NoEngine");
    EXPECT_EQ(without.Handle(), -1);
    EXPECT_EQ(without.Compile(u"1"), -1);
    EXPECT_EQ(without.Run(1), 0);
    EXPECT_TRUE(without.GetVar(u"$count").IsEmpty());
}

} // namespace
