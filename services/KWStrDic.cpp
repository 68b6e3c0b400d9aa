#include "KWStrDic.h"

#include "KWCallbacks.h"
#include "KWDBAccess.h"
#include "KWUtf16File.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"

#include <climits>

namespace {

const CKWStr kEmpty;

bool IsSpaceCharacter(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0; }

// Names are only looked up for keys of Latin characters without spaces.
bool CouldBeName(std::u16string_view key) {
    for (const char16_t c : key)
        if (c > 0x100 || IsSpaceCharacter(c))
            return false;
    return true;
}

CKWStr Unescaped(const char16_t* field) {
    CKWStr text;
    text.AssignEscaped(field);
    return text;
}

// A name "offset=<number>" sets the ids of the whole file apart; a malformed number gives 0.
std::optional<int32_t> OffsetOf(const CKWStr& name) {
    if (!StartsWithNoCase(name.c_str(), u"offset"))
        return std::nullopt;
    const CKWTokenList parts(name.c_str(), u'=', true, true, false);
    if (parts.Count() != 2)
        return std::nullopt;
    const char16_t* number = parts.GetToken(1);
    const char16_t* end = nullptr;
    const int32_t offset = ParseLong(number, 0, &end);
    return *end == 0 && end != number ? offset : 0;
}

} // namespace

CKWStrDic& CKWStrDic::Instance() {
    static CKWStrDic dictionary;
    return dictionary;
}

void CKWStrDic::Clear() {
    m_entries.clear();
    for (auto& index : m_indexes)
        index.reset();
    m_idIndex.reset();
}

bool CKWStrDic::LoadFile(const std::string& path, std::u16string_view language) {
    const auto text = ReadUtf16File(path);
    if (!text) {
        m_language = language;
        Clear();
        return false;
    }
    return Load(*text, language);
}

bool CKWStrDic::Load(std::u16string_view text, std::u16string_view language) {
    m_language = language;
    Clear();
    const std::u16string whole(text);
    const CKWTokenList lines(whole.c_str(), u'\n', true, true, true);
    int line = 0;
    int columns[7] = {-1, -1, -1, -1, -1, -1, -1}; // name, eng, jpn, chn, common, err, language
    int32_t offset = 0;
    bool offsetSet = false;
    for (int i = 0; i < lines.Count(); ++i) {
        const char16_t* raw = lines.GetToken(i);
        if (*raw == 0)
            continue; // empty lines are not counted
        ++line;
        const CKWTokenList fields(raw, u'\t', true, false, false);
        if (line == 1) {
            const char16_t* names[] = {u"Name",           u"Eng", u"Jpn", u"Chn", u"Common", u"Err",
                                       m_language.c_str()};
            for (int f = 0; f < fields.Count(); ++f)
                for (int c = 0; c < 7; ++c)
                    if (columns[c] < 0 && EqualsNoCase(fields.GetToken(f), names[c]))
                        columns[c] = f;
            if (columns[0] < 0 || columns[1] < 0 || columns[6] < 0)
                return false;
            continue;
        }
        if (fields.Count() <= columns[0])
            continue; // no name: skipped, still counted
        auto field = [&](int column) {
            return Unescaped(columns[column] >= 0 ? fields.GetToken(columns[column]) : u"");
        };
        Entry entry;
        entry.id = line;
        entry.isError = fields.GetToken(1)[0] == u'e';
        entry.name = fields.GetToken(columns[0]);
        entry.eng = field(1);
        entry.jpn = field(2);
        entry.chn = field(3);
        entry.common = field(4);
        entry.err = field(5);
        entry.text = field(6);
        if (const auto lineOffset = OffsetOf(entry.name)) {
            offset = *lineOffset;
            offsetSet = true;
        }
        m_entries.push_back(std::move(entry));
    }
    if (offsetSet)
        for (Entry& entry : m_entries)
            entry.id += offset;
    return true;
}

const CKWStrDic::TextIndex& CKWStrDic::IndexOf(Column column) const {
    std::unique_ptr<TextIndex>& index = m_indexes[column];
    if (index == nullptr) {
        index = std::make_unique<TextIndex>();
        index->reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& entry = m_entries[i];
            const CKWStr& key = column == kName  ? entry.name
                                : column == kEng ? entry.eng
                                : column == kJpn ? entry.jpn
                                : column == kChn ? entry.chn
                                                 : entry.text;
            index->emplace(key.View(), i); // the first entry of a key stays
        }
    }
    return *index;
}

const CKWStrDic::Entry* CKWStrDic::FindIn(Column column, std::u16string_view key) const {
    const TextIndex& index = IndexOf(column);
    const auto it = index.find(key);
    return it == index.end() ? nullptr : &m_entries[it->second];
}

const CKWStrDic::Entry* CKWStrDic::FindByText(std::u16string_view text) const { return FindIn(kText, text); }
const CKWStrDic::Entry* CKWStrDic::FindByName(std::u16string_view name) const { return FindIn(kName, name); }
const CKWStrDic::Entry* CKWStrDic::FindByEng(std::u16string_view eng) const { return FindIn(kEng, eng); }

const CKWStrDic::Entry* CKWStrDic::FindById(int32_t id) const {
    if (m_idIndex == nullptr) {
        m_idIndex = std::make_unique<std::unordered_map<int32_t, std::size_t>>();
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            m_idIndex->emplace(m_entries[i].id, i);
    }
    const auto it = m_idIndex->find(id);
    return it == m_idIndex->end() ? nullptr : &m_entries[it->second];
}

std::optional<std::u16string_view> CKWStrDic::Lookup(std::u16string_view text) const {
    if (text.empty())
        return std::nullopt;
    Column language = kEng;
    bool languageSelected = false;
    std::u16string_view key = text;
    for (const auto& [prefix, column] :
         {std::pair{u"$$jpn", kJpn}, std::pair{u"$$eng", kEng}, std::pair{u"$$chn", kChn}}) {
        if (text.substr(0, 5) == prefix) {
            language = column;
            languageSelected = true;
            key = text.substr(5);
            while (!key.empty() && IsBlank(key.front()))
                key.remove_prefix(1);
            break;
        }
    }
    const Entry* entry = !languageSelected && CouldBeName(key) ? FindIn(kName, key) : nullptr;
    if (entry == nullptr)
        entry = FindIn(language, key);
    if (entry == nullptr)
        return std::nullopt;
    if (!entry->text.IsEmpty())
        return entry->text.View();
    if (!entry->eng.IsEmpty())
        return entry->eng.View();
    return key;
}

const CKWStr& CKWStrDic::Translate(std::u16string_view text) {
    if (text.empty()) {
        m_translated.Clear();
        return m_translated;
    }
    if (const auto found = Lookup(text)) {
        m_translated = *found;
        return m_translated;
    }
    std::size_t digits = text.size();
    while (digits > 0 && text[digits - 1] >= u'0' && text[digits - 1] <= u'9')
        --digits;
    if (digits > 0 && digits < text.size()) {
        if (const auto found = Lookup(text.substr(0, digits))) {
            std::u16string_view number = text.substr(digits);
            while (number.size() > 1 && number.front() == u'0')
                number.remove_prefix(1); // the number is written again in decimal
            m_translated = *found;
            m_translated += number;
            return m_translated;
        }
    }
    for (const char16_t c : text) {
        if (c > 0x7E) {
            m_translated.Clear();
            return m_translated;
        }
    }
    m_translated = text;
    return m_translated;
}

void CKWStrDic::Report(const char* what, int32_t id) const {
    if (!m_reportMissing)
        return;
    CKWStr line = CKWStr::FromUtf8(what);
    line.AppendInt(id);
    m_reportMissing(line);
}

const CKWStr& CKWStrDic::GetStrRsc(int32_t id) const {
    const int64_t wanted = id < 0 ? -int64_t(id) : int64_t(id);
    const Entry* entry = wanted <= INT32_MAX ? FindById(int32_t(wanted)) : nullptr;
    if (entry == nullptr) {
        Report("KWStrDic error : ", id);
        return kEmpty;
    }
    return entry->text;
}

const CKWStr& CKWStrDic::GetErrorCode(int32_t id) const {
    const Entry* entry = FindById(id);
    if (entry == nullptr) {
        Report("GetErrorCode error : ", id);
        return kEmpty;
    }
    return entry->err;
}

bool CKWStrDic::IsErrorCode(int32_t id) const {
    const Entry* entry = FindById(id);
    return entry != nullptr && entry->isError;
}

const CKWStr& CKWStrDic::LookupByEng(std::u16string_view eng) const {
    const Entry* entry = FindByEng(eng);
    return entry != nullptr ? entry->text : kEmpty;
}

const CKWStr& CKWStrDic::ErrByEng(std::u16string_view eng) const {
    const Entry* entry = FindByEng(eng);
    return entry != nullptr ? entry->err : kEmpty;
}

const CKWStr& CKWStrDic::ErrByName(std::u16string_view name) const {
    const Entry* entry = FindByName(name);
    return entry != nullptr ? entry->err : kEmpty;
}

CKWStr CKWStrDic::MultiLineByName(std::u16string_view name) const {
    CKWStr result;
    for (const Entry& entry : m_entries) {
        if (!NoCaseEqual()(entry.name.View(), name))
            continue;
        if (!result.IsEmpty())
            result += u'\n';
        result += entry.common.View();
        result += entry.text.View();
    }
    return result;
}

CKWStr CKWStrDic::MultiLineById(int32_t id) const {
    CKWStr result;
    for (const Entry& entry : m_entries) {
        if (entry.id != id)
            continue;
        if (!result.IsEmpty())
            result += u'\n';
        result += entry.text.View();
    }
    return result;
}

namespace {

const char16_t* TranslateCallback(const char16_t* text) {
    return CKWStrDic::Instance().Translate(text != nullptr ? text : u"").c_str();
}
const char16_t* GetStrRscCallback(int32_t id) { return CKWStrDic::Instance().GetStrRsc(id).c_str(); }
const char16_t* GetErrorCodeCallback(int32_t id) { return CKWStrDic::Instance().GetErrorCode(id).c_str(); }
int32_t IsErrorCodeCallback(int32_t id) { return CKWStrDic::Instance().IsErrorCode(id) ? 1 : 0; }

} // namespace

void CKWStrDic::RegisterCallbacks(const CKWDBAccess& db) {
    db.SetCallbackFunc(u"Translate",
                       reinterpret_cast<void*>(static_cast<KWTranslateProc>(&TranslateCallback)));
    db.SetCallbackFunc(u"GetStrRsc",
                       reinterpret_cast<void*>(static_cast<KWGetStrRscProc>(&GetStrRscCallback)));
    db.SetCallbackFunc(u"GetErrorCode",
                       reinterpret_cast<void*>(static_cast<KWGetErrorCodeProc>(&GetErrorCodeCallback)));
    db.SetCallbackFunc(u"IsErrorCode",
                       reinterpret_cast<void*>(static_cast<KWIsErrorCodeProc>(&IsErrorCodeCallback)));
}
