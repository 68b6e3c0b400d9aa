// KWPathMacro: a project's path macros ($(ProjectDir) and the like): listing, adding, changing and
// deleting them, and expanding names, making them absolute or relative, and putting macros into them.
#include "KWDBAccess.h"
#include "KWPath.h"

#include "core/HostCommands.h"
#include "core/KWNoCase.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "project/ProjectManager.h"

#include <mutex>
#include <string>

namespace {

constexpr int32_t kRefused = -10;

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

KWPathMacroEntry* FindMacro(CKWProjectRecord& record, std::u16string_view name) {
    for (KWPathMacroEntry& macro : record.pathMacros)
        if (macro.name.View() == name)
            return &macro;
    return nullptr;
}

// The first macro (in list order) whose name occurs in text has its first occurrence replaced.
CKWStr ExpandOnce(const CKWProjectRecord& record, std::u16string_view text) {
    if (text.find(u"$(") == std::u16string_view::npos)
        return CKWStr(text);
    for (const KWPathMacroEntry& macro : record.pathMacros) {
        const std::size_t at = text.find(macro.name.View());
        if (macro.name.IsEmpty() || at == std::u16string_view::npos)
            continue;
        std::u16string expanded(text);
        expanded.replace(at, macro.name.Length(), macro.path.View());
        return CKWStr(std::move(expanded));
    }
    return CKWStr(text);
}

CKWStr BaseOf(const CKWProjectRecord& record, const CKWTokenList& tokens, int index) {
    const char16_t* base = tokens.GetToken(index);
    return *base != 0 ? CKWStr(base) : Db().GetStr(record.projectKey, u"ProjDir");
}

// Where the macro's path stands in name, ignoring ASCII case; an occurrence whose nearest preceding
// character that differs from the path's first one is a backslash does not count.
std::size_t FindPath(std::u16string_view name, std::u16string_view path) {
    for (std::size_t at = 0; at + path.size() <= name.size(); ++at) {
        if (!NoCaseEqual()(name.substr(at, path.size()), path))
            continue;
        std::size_t before = at;
        while (before > 0 && name[before - 1] == path.front())
            --before;
        if (before == 0 || name[before - 1] != u'\\')
            return at;
    }
    return std::u16string_view::npos;
}

int32_t List(CKWProjectRecord& record, CKWStr& result) {
    for (const KWPathMacroEntry& macro : record.pathMacros) {
        if (!result.IsEmpty())
            result += u"\n";
        result += macro.name.View();
        result += u",";
        result += macro.path.View();
    }
    return 0;
}

int32_t Add(CKWProjectRecord& record, const CKWTokenList& tokens, bool store) {
    if (tokens.Count() != 3 || *tokens.GetToken(1) == 0)
        return kRefused;
    std::lock_guard lock(CKWProjectManager::Instance().Lock());
    KWPathMacroEntry* existing = FindMacro(record, tokens.GetToken(1));
    if (existing != nullptr) {
        if (store)
            return kRefused;
        existing->path = tokens.GetToken(2); // /AddDirect: in memory only
        return 0;
    }
    record.pathMacros.push_back({CKWStr(tokens.GetToken(1)), CKWStr(tokens.GetToken(2))});
    if (store)
        Db().SetValue(Db().AddKey(record.pathMacroKey, tokens.GetToken(1)), u"Path", tokens.GetToken(2));
    return 0;
}

int32_t Change(CKWProjectRecord& record, const CKWTokenList& tokens) {
    std::lock_guard lock(CKWProjectManager::Instance().Lock());
    KWPathMacroEntry* macro = tokens.Count() == 3 ? FindMacro(record, tokens.GetToken(1)) : nullptr;
    if (macro == nullptr)
        return kRefused;
    macro->path = tokens.GetToken(2);
    if (const int32_t stored = Db().GetKeyIdByName(record.pathMacroKey, tokens.GetToken(1)))
        Db().SetValue(stored, u"Path", tokens.GetToken(2));
    return 0;
}

int32_t Delete(CKWProjectRecord& record, const CKWTokenList& tokens) {
    std::lock_guard lock(CKWProjectManager::Instance().Lock());
    if (tokens.Count() != 2 || FindMacro(record, tokens.GetToken(1)) == nullptr)
        return kRefused;
    if (const int32_t stored = Db().GetKeyIdByName(record.pathMacroKey, tokens.GetToken(1)))
        Db().DeleteKey(stored);
    std::erase_if(record.pathMacros,
                  [&](const KWPathMacroEntry& m) { return m.name.View() == tokens.GetToken(1); });
    return 0;
}

int32_t GetPath(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    const KWPathMacroEntry* macro = tokens.Count() == 2 ? FindMacro(record, tokens.GetToken(1)) : nullptr;
    if (macro == nullptr)
        return kRefused;
    result = macro->path;
    return 0;
}

int32_t GetMacroname(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    if (tokens.Count() < 2 || tokens.Count() > 3)
        return kRefused;
    auto named = [&](std::u16string_view path) -> const KWPathMacroEntry* {
        for (const KWPathMacroEntry& macro : record.pathMacros)
            if (NoCaseEqual()(macro.path.View(), path))
                return &macro;
        return nullptr;
    };
    const KWPathMacroEntry* macro = named(tokens.GetToken(1));
    if (macro == nullptr)
        if (const auto combined = kwpath::Combine(BaseOf(record, tokens, 2).View(), tokens.GetToken(1)))
            macro = named(combined->View());
    if (macro != nullptr)
        result = macro->name;
    return 0;
}

int32_t Absolute(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    if (tokens.Count() < 2 || tokens.Count() > 3)
        return kRefused;
    const CKWStr expanded = ExpandOnce(record, tokens.GetToken(1));
    if (kwpath::IsAbsolute(expanded.View())) {
        result = kwpath::WithSlashes(expanded.View());
        return 0;
    }
    const auto combined = kwpath::Combine(BaseOf(record, tokens, 2).View(), expanded.View());
    if (combined)
        result = *combined;
    return 0;
}

// Files below the base are written "./sub/file" and others "../file", as project files hold them.
int32_t RelativeName(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    if (tokens.Count() < 2 || tokens.Count() > 3)
        return kRefused;
    const CKWStr expanded = ExpandOnce(record, tokens.GetToken(1));
    const auto relative = kwpath::IsAbsolute(expanded.View())
                              ? kwpath::Relative(BaseOf(record, tokens, 2).View(), expanded.View())
                              : std::nullopt;
    if (!relative) {
        result = expanded;
        return 0;
    }
    result = StartsWithNoCase(relative->c_str(), u"..") ? CKWStr() : CKWStr(u"./");
    result += relative->View();
    return 0;
}

int32_t WithMacro(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    // The words after "/M": the macro name, the file name and an optional base.
    const int at = tokens.FindToken(u"/M");
    const int count = tokens.Count() - at - 1;
    if (count < 2 || count > 3)
        return kRefused;
    const KWPathMacroEntry* macro = FindMacro(record, tokens.GetToken(at + 1));
    if (macro == nullptr)
        return kRefused;
    CKWStr name(tokens.GetToken(at + 2));
    if (macro->path.IsEmpty()) {
        result = name;
        return 0;
    }
    std::size_t found = FindPath(name.View(), macro->path.View());
    if (found == std::u16string_view::npos && !kwpath::IsAbsolute(name.View())) {
        const char16_t* base = tokens.GetToken(at + 3);
        if (const auto combined = kwpath::Combine(
                *base != 0 ? std::u16string_view(base) : Db().GetStr(record.projectKey, u"ProjDir").View(),
                name.View()))
            name = *combined;
        found = FindPath(name.View(), macro->path.View());
    }
    if (found == std::u16string_view::npos) {
        result = name;
        return 0;
    }
    std::u16string text(name.View());
    text.replace(found, macro->path.Length(), macro->name.View());
    result = text;
    return 0;
}

int32_t Expand(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    if (tokens.Count() < 2)
        return kRefused;
    for (int i = 1; i < tokens.Count(); ++i) {
        if (i > 1)
            result += u",";
        result += ExpandOnce(record, tokens.GetToken(i)).View();
    }
    return 0;
}

int32_t Define(CKWProjectRecord& record, const CKWTokenList& tokens, CKWStr& result) {
    if (tokens.Count() > 2)
        return kRefused;
    const char16_t* separator = *tokens.GetToken(1) != 0 ? tokens.GetToken(1) : u"=";
    for (const KWPathMacroEntry& macro : record.pathMacros) {
        if (!result.IsEmpty())
            result += u"\n";
        const std::u16string_view name = macro.name.View();
        result += name.size() > 3 && name.substr(0, 2) == u"$(" ? name.substr(2, name.size() - 3) : name;
        result += separator;
        result += macro.path.View();
    }
    return 0;
}

} // namespace

int32_t KWPathMacroCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t) {
    CKWProjectRecord* record = CKWProjectManager::Instance().Find(projectId);
    if (record == nullptr)
        return kRefused;
    const CKWTokenList tokens(arguments, 0, u',');
    CKWStr answer;
    int32_t code = kRefused;
    if (tokens.Count() == 0)
        code = List(*record, answer);
    else if (tokens.TokenIs(0, u"/Add"))
        code = Add(*record, tokens, true);
    else if (tokens.TokenIs(0, u"/AddDirect"))
        code = Add(*record, tokens, false);
    else if (tokens.TokenIs(0, u"/Change"))
        code = Change(*record, tokens);
    else if (tokens.TokenIs(0, u"/Delete"))
        code = Delete(*record, tokens);
    else if (tokens.TokenIs(0, u"/GetPath"))
        code = GetPath(*record, tokens, answer);
    else if (tokens.TokenIs(0, u"/GetMacroname"))
        code = GetMacroname(*record, tokens, answer);
    else if (tokens.TokenIs(0, u"/Abs"))
        code = Absolute(*record, tokens, answer);
    else if (tokens.FindToken(u"/M") >= 0) // a word equal to "/M": absolute paths also begin with "/"
        code = WithMacro(*record, tokens, answer);
    else if (tokens.TokenIs(0, u"/Rel"))
        code = RelativeName(*record, tokens, answer);
    else if (tokens.TokenIs(0, u"/Expand"))
        code = Expand(*record, tokens, answer);
    else if (tokens.TokenIs(0, u"/Define"))
        code = Define(*record, tokens, answer);
    if (code == 0)
        result = answer; // a refusal leaves the result text untouched
    return code;
}
