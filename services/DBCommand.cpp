// KWDB: the tree database from command lines: files, listings, values and keys, and values relative
// to the current project, its defaults, the project group and the customisation root.
#include "KWCallbacks.h"
#include "KWDBAccess.h"
#include "KWInstallFolder.h"
#include "KWPath.h"

#include "core/HostCommands.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"

#include <string>

namespace {

constexpr int32_t kFailed = -10;

bool Present(const char16_t* token) { return token != nullptr && *token != 0; }

// A text that begins and ends with a double quote loses both.
CKWStr StripQuotes(const char16_t* text) {
    std::u16string_view view = text != nullptr ? text : u"";
    if (view.size() >= 2 && view.front() == u'"' && view.back() == u'"')
        view = view.substr(1, view.size() - 2);
    return CKWStr(view);
}

struct Request {
    const CKWTokenList& tokens;
    int32_t projectId;
    CKWStr& result;
    const char16_t* t(int i) const { return tokens.GetToken(i); }
};

const CKWDBAccess& Db() { return CKWDBAccess::Instance(); }

int32_t TopOf(const char16_t* callback, int32_t projectId) { return Db().ProjectTop(callback, projectId); }

// The key at a path of names separated by "\" below top, made where missing when asked.
int32_t KeyBelow(int32_t top, const char16_t* path, bool create) {
    int32_t key = top;
    const CKWTokenList names(path, u'\\', true, true, false);
    for (int i = 0; i < names.Count() && key != 0; ++i)
        if (*names.GetToken(i) != 0)
            key = Db().GetKeyIdByName(key, names.GetToken(i), create);
    return key;
}

// A folder ready to have a file name appended; empty stays empty.
CKWStr Folder(const CKWStr& folder) {
    return folder.IsEmpty() ? folder : kwpath::WithTrailingSeparator(folder.View());
}

int32_t Save(const Request& r) {
    CKWStr file;
    const char16_t* path = r.t(1);
    if (r.tokens.Count() == 4) {
        if (EqualsNoCase(r.t(1), u"/ProjDir")) {
            const int32_t project = TopOf(u"GetCurrentDBProjTop", r.projectId);
            if (project == 0)
                return kFailed;
            file = Folder(Db().GetStr(project, u"ProjDir"));
        } else if (EqualsNoCase(r.t(1), u"/Conf")) {
            file = Folder(InstallFolder());
            file += u"conf/";
        } else {
            return kFailed;
        }
        path = r.t(2);
        file += StripQuotes(r.t(3)).View();
    } else if (r.tokens.Count() == 3) {
        file = StripQuotes(r.t(2));
    } else {
        return kFailed;
    }
    const int32_t key = Db().GetKeyId(path);
    if (key == 0 || file.IsEmpty())
        return kFailed;
    return Db().SaveXMLFile(key, file.c_str()) ? 0 : kFailed;
}

int32_t Load(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    const CKWStr file = StripQuotes(r.t(2));
    if (key == 0 || file.IsEmpty())
        return kFailed;
    return Db().LoadXMLFile(key, file.c_str()) ? 0 : kFailed;
}

int32_t ListValues(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    if (key == 0)
        return kFailed;
    for (int32_t i = 0; i < Db().GetValueCount(key); ++i) {
        r.result += u" * ";
        r.result += Db().GetValueNameByIndex(key, i).View();
        r.result += u" = ";
        r.result += Db().GetStrByIndex(key, i).View();
        r.result += u"\n";
    }
    return 0;
}

enum class IdForm { None, Decimal, Hexadecimal };

void AppendId(CKWStr& out, IdForm form, int32_t id) {
    if (form == IdForm::None)
        return;
    out += u" (";
    if (form == IdForm::Decimal)
        out.AppendInt(id);
    else
        out.AppendHex(uint32_t(id));
    out += u")";
}

void AppendValueLines(CKWStr& out, int32_t key, int depth, IdForm form) {
    for (int32_t i = 0; i < Db().GetValueCount(key); ++i) {
        out += std::u16string(std::size_t(depth) + 1, u' ');
        const CKWStr name = Db().GetValueNameByIndex(key, i);
        if (!name.IsEmpty()) {
            out += u" * ";
            out += name.View();
            AppendId(out, form, Db().GetValueIdByIndex(key, i));
            out += u" = ";
            out += Db().GetStrByIndex(key, i).View();
        }
        out += u"\n"; // a nameless value still ends its line
    }
}

void AppendKeyLines(CKWStr& out, int32_t key, int depth, IdForm form) {
    out += std::u16string(std::size_t(depth), u' ');
    out += Db().GetKeyName(key).View();
    AppendId(out, form, key);
    out += u"\n";
    AppendValueLines(out, key, depth, form);
    for (const int32_t child : Db().GetKeyIdList(key))
        AppendKeyLines(out, child, depth + 1, form);
}

int32_t ListTree(const Request& r) {
    const IdForm form = r.tokens.FindToken(u"/ID16") >= 0 ? IdForm::Hexadecimal
                        : r.tokens.FindToken(u"/ID") >= 0 ? IdForm::Decimal
                                                          : IdForm::None;
    const int32_t key = Db().GetKeyId(r.t(form == IdForm::None ? 1 : 2));
    if (key == 0)
        return kFailed;
    AppendValueLines(r.result, key, 0, form);
    for (const int32_t child : Db().GetKeyIdList(key))
        AppendKeyLines(r.result, child, 0, form);
    return 0;
}

int32_t Value(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    if (!Present(r.t(2)) || key == 0)
        return kFailed;
    if (r.tokens.Count() == 4)
        Db().SetValue(key, r.t(2), r.t(3));
    else
        r.result = Db().GetStr(key, r.t(2));
    return 0;
}

int32_t AddKey(const Request& r) { return Present(r.t(1)) && Db().GetKeyId(r.t(1), true) != 0 ? 0 : kFailed; }

int32_t DeleteKey(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    return key != 0 && Db().DeleteKey(key) ? 0 : kFailed;
}

int32_t AddValue(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    if (key == 0 || !Present(r.t(2)))
        return kFailed;
    return Db().AddValue(key, r.t(2), StripQuotes(r.t(3)).c_str()) != 0 ? 0 : kFailed;
}

int32_t DeleteValue(const Request& r) {
    const int32_t key = Db().GetKeyId(r.t(1));
    if (key == 0 || !Present(r.t(2)))
        return kFailed;
    Db().DeleteValue(key, r.t(2));
    return 0;
}

// The set forms write t3 (quotes stripped) as value t2 of key t1 below the form's top, replacing the
// first value of that name; the get forms answer it and its number.
int32_t SetBelow(const Request& r, int32_t top) {
    if (top == 0 || !Present(r.t(1)) || !Present(r.t(2)))
        return kFailed;
    const int32_t key = KeyBelow(top, r.t(1), true);
    if (key == 0)
        return kFailed;
    Db().SetValue(key, r.t(2), StripQuotes(r.t(3)).c_str());
    return 0;
}

int32_t GetBelow(const Request& r, int32_t top) {
    if (top == 0 || !Present(r.t(1)) || !Present(r.t(2)))
        return kFailed;
    const int32_t key = KeyBelow(top, r.t(1), false);
    if (key == 0)
        return kFailed;
    r.result = Db().GetStr(key, r.t(2));
    return ParseIntLiteral(r.result.c_str(), 0);
}

} // namespace

int32_t KWDBCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t projectId, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 4, u',');
    const Request r{tokens, projectId, result};

    static const struct {
        const char16_t* word;
        int32_t (*run)(const Request&);
    } kAnywhere[] = {
        {u"/SAVE", &Save},           {u"/LOAD", &Load},         {u"/KEY", &ListValues},
        {u"/KEYS", &ListTree},       {u"/VALUE", &Value},       {u"/ADDKEY", &AddKey},
        {u"/DELETEKEY", &DeleteKey}, {u"/ADDVALUE", &AddValue}, {u"/DELETEVALUE", &DeleteValue},
    };
    int32_t code = 0;
    bool matched = false;
    for (const auto& form : kAnywhere) {
        if (tokens.FindToken(form.word) >= 0) {
            code = form.run(r);
            matched = true;
            break;
        }
    }
    if (!matched) {
        enum Top { Project, Defaults, ProjectGroup, Customize };
        static const struct {
            const char16_t* word;
            bool set;
            Top top;
        } kRelative[] = {
            {u"/SetProjectValue", true, Project},
            {u"/GetProjectValue", false, Project},
            {u"/SetDftValue", true, Defaults},
            {u"/GetDftValue", false, Defaults},
            {u"/SetProjectGroupValue", true, ProjectGroup},
            {u"/GetProjectGroupValue", false, ProjectGroup},
            {u"/SetConfValue", true, Customize},
            {u"/GetConfValue", false, Customize},
        };
        for (const auto& form : kRelative) {
            if (!tokens.TokenIs(0, form.word))
                continue;
            const int32_t top = form.top == Project        ? TopOf(u"GetCurrentDBProjTop", projectId)
                                : form.top == Defaults     ? TopOf(u"GetCurrentDBDftTop", projectId)
                                : form.top == ProjectGroup ? Db().Root(KWRoot::ProjGrp)
                                                           : Db().Root(KWRoot::Customize);
            code = form.set ? SetBelow(r, top) : GetBelow(r, top);
            break;
        }
    }
    if (code == kFailed)
        result.Clear();
    return code;
}
