// CKWStrDic: the string dictionary. User-visible texts are named by a message name, a numeric id or
// their English wording; the dictionary answers the text in the current language (a column of
// "conf/KWStrDic.tsv" chosen by its header name: "Jpn", "Eng", "Chn" or any other).
//
// Loaded once at start-up and never reloaded. Look-ups answer the first matching entry in file order;
// names and texts match without regard to ASCII case. Indexes of names, ids and texts are built on
// first use, so a look-up costs the same over ten entries or ten thousand.
#pragma once

#include "core/KWNoCase.h"
#include "core/KWStr.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CKWDBAccess;

class CKWStrDic {
public:
    struct Entry {
        int32_t id = 0; // line number (the header is line 1) plus the file's offset
        bool isError = false;
        CKWStr name, text, eng, jpn, chn, common, err;
    };

    // The one dictionary of the process.
    static CKWStrDic& Instance();

    // Reads a UTF-16LE file (byte-order mark skipped). A missing file or a header without the "Name",
    // "Eng" and language columns leaves the dictionary empty and answers false.
    bool LoadFile(const std::string& path, std::u16string_view language);
    bool Load(std::u16string_view text, std::u16string_view language);
    void Clear();
    const CKWStr& Language() const { return m_language; }
    const std::vector<Entry>& Entries() const { return m_entries; }

    // By name or, failing that, by wording ("$$jpn", "$$eng", "$$chn" + text select the wording's
    // language); the current-language text, else the English text, else the key itself. Nothing when
    // no entry matches.
    std::optional<std::u16string_view> Lookup(std::u16string_view text) const;
    // Lookup, then the name without trailing digits (the number is appended again), then the text
    // itself when it is plain ASCII, else empty. The answer stays valid until the next Translate.
    const CKWStr& Translate(std::u16string_view text);
    // The current-language text of the entry with id |id|; the missing-id reporter is told otherwise.
    const CKWStr& GetStrRsc(int32_t id) const;
    const CKWStr& GetErrorCode(int32_t id) const;
    bool IsErrorCode(int32_t id) const;
    const CKWStr& LookupByEng(std::u16string_view eng) const;
    const CKWStr& ErrByEng(std::u16string_view eng) const;
    const CKWStr& ErrByName(std::u16string_view name) const;
    CKWStr MultiLineByName(std::u16string_view name) const;
    CKWStr MultiLineById(int32_t id) const;

    // The first entry whose current-language text, id, name or English text matches.
    const Entry* FindByText(std::u16string_view text) const;
    const Entry* FindById(int32_t id) const;
    const Entry* FindByName(std::u16string_view name) const;
    const Entry* FindByEng(std::u16string_view eng) const;

    // Where failed id look-ups are reported (the host logs them in the command window).
    void SetMissingReporter(std::function<void(const CKWStr&)> reporter) {
        m_reportMissing = std::move(reporter);
    }
    // Offers Translate, GetStrRsc, GetErrorCode and IsErrorCode in the callback registry.
    static void RegisterCallbacks(const CKWDBAccess& db);

private:
    using TextIndex = std::unordered_map<std::u16string_view, std::size_t, NoCaseHash, NoCaseEqual>;
    enum Column { kName, kEng, kJpn, kChn, kText, kColumns };

    const TextIndex& IndexOf(Column column) const;
    const Entry* FindIn(Column column, std::u16string_view key) const;
    void Report(const char* what, int32_t id) const;

    CKWStr m_language;
    std::vector<Entry> m_entries;
    mutable std::unique_ptr<TextIndex> m_indexes[kColumns];
    mutable std::unique_ptr<std::unordered_map<int32_t, std::size_t>> m_idIndex;
    CKWStr m_translated;
    std::function<void(const CKWStr&)> m_reportMissing;
};
