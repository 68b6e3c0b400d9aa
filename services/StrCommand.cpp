// KWStr: the string dictionary as a command.
#include "KWDBAccess.h"
#include "KWRegistry.h"
#include "KWStrDic.h"

#include "core/HostCommands.h"
#include "core/KWText.h"
#include "core/KWTokenList.h"

namespace {

// An id as wcstol reads it with radix 0; a number that is not read to its end counts as 0.
int32_t IdOf(const char16_t* text) {
    const char16_t* end = nullptr;
    const int32_t id = ParseLong(text, 0, &end);
    return *end == 0 ? id : 0;
}

using Finder = const CKWStrDic::Entry* (*)(const CKWStrDic&, const char16_t*);

// The /Get forms: the name or the id of the first matching entry; -10 with an empty result otherwise.
int32_t AnswerEntry(const CKWStrDic::Entry* entry, bool wantId, CKWStr& result) {
    if (entry == nullptr) {
        result.Clear();
        return -10;
    }
    if (!wantId) {
        result = entry->name;
        return 0;
    }
    result = CKWStr(entry->id);
    return entry->id;
}

int32_t SetLanguage(const CKWTokenList& tokens) {
    const char16_t* language = tokens.GetToken(1);
    if (*language == 0)
        return -10;
    const CKWDBAccess& db = CKWDBAccess::Instance();
    db.SetValue(db.Root(KWRoot::App), u"Lang", language);
    CKWStr conf(kKWProductRegistryKey);
    conf += u"\\Conf";
    CKWRegistry::SetString(conf.c_str(), u"KWLang", language);
    return 0;
}

} // namespace

int32_t KWStrCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    CKWStrDic& dictionary = CKWStrDic::Instance();
    result.Clear();
    if (arguments == nullptr || *arguments == 0)
        return -10;
    if (*arguments != u'/') {
        if (const auto found = dictionary.Lookup(arguments))
            result = *found;
        return 0;
    }
    const CKWTokenList tokens(arguments, 0, u',');
    const char16_t* t1 = tokens.GetToken(1);
    const bool errorCode = tokens.Count() >= 3 && EqualsNoCase(t1, u"/ErrCode");
    const char16_t* t2 = tokens.GetToken(2);

    if (tokens.TokenIs(0, u"/Id")) {
        if (errorCode)
            result = dictionary.GetErrorCode(IdOf(t2));
        else if (tokens.Count() == 2)
            result = dictionary.GetStrRsc(IdOf(t1));
    } else if (tokens.TokenIs(0, u"/Name")) {
        if (errorCode)
            result = dictionary.ErrByName(t2);
        else if (tokens.Count() == 2)
            if (const auto found = dictionary.Lookup(t1))
                result = *found;
    } else if (tokens.TokenIs(0, u"/Eng")) {
        if (errorCode)
            result = dictionary.ErrByEng(t2);
        else if (tokens.Count() == 2)
            result = dictionary.LookupByEng(t1);
    } else if (tokens.TokenIs(0, u"/MultiLineByName")) {
        result = dictionary.MultiLineByName(t1);
    } else if (tokens.TokenIs(0, u"/MultiLineById")) {
        result = dictionary.MultiLineById(IdOf(t1));
    } else if (tokens.TokenIs(0, u"/GetNameByStr")) {
        return AnswerEntry(dictionary.FindByText(t1), false, result);
    } else if (tokens.TokenIs(0, u"/GetNameByid")) {
        return AnswerEntry(dictionary.FindById(IdOf(t1)), false, result);
    } else if (tokens.TokenIs(0, u"/GetNameByEng")) {
        return AnswerEntry(dictionary.FindByEng(t1), false, result);
    } else if (tokens.TokenIs(0, u"/GetIdByStr")) {
        return AnswerEntry(dictionary.FindByText(t1), true, result);
    } else if (tokens.TokenIs(0, u"/GetIdByName")) {
        return AnswerEntry(dictionary.FindByName(t1), true, result);
    } else if (tokens.TokenIs(0, u"/GetIdByEng")) {
        return AnswerEntry(dictionary.FindByEng(t1), true, result);
    } else if (tokens.TokenIs(0, u"/GetLang")) {
        const CKWDBAccess& db = CKWDBAccess::Instance();
        result = db.GetStr(db.Root(KWRoot::App), u"Lang");
    } else if (tokens.TokenIs(0, u"/SetLang")) {
        return SetLanguage(tokens);
    }
    return 0;
}
