// The start-up file "conf/KWStartup.ini": "<key>:<value>" lines (split at the first ":"), "#" starting
// a comment, keys compared without regard to ASCII case. Reading it fills \DB_Startup and the
// application values of \DB_APP.
#pragma once

#include "core/KWStr.h"

#include <optional>
#include <string>
#include <vector>

struct KWStartupEntry {
    CKWStr key;
    CKWStr value;
    CKWStr line; // as written, comment removed
};

class CKWStartupFile {
public:
    // Reads a UTF-16LE file with byte-order mark; nothing when it cannot be read.
    static std::optional<CKWStartupFile> Read(const std::string& path);
    static CKWStartupFile Parse(std::u16string_view text);

    const std::vector<KWStartupEntry>& Entries() const { return m_entries; }
    // The last value of key, or empty.
    CKWStr Value(const char16_t* key) const;

    // Writes what the file feeds into the database and the host: the library lists, the product
    // values, the phase list, web addresses, the help window type and the editor keywords. The language
    // is chosen separately (Language()).
    void Apply(const CKWStr& installFolder) const;
    // The file's "Lang" value.
    CKWStr Language() const { return Value(u"Lang"); }

private:
    std::vector<KWStartupEntry> m_entries;
};

// The start-up file of this installation.
std::string StartupFilePath();

// The language: the registry's "KWLang" wins over the file's "Lang" (English when neither is set); it is
// stored as "Lang" and "CurLang" of \DB_APP and the dictionary is loaded in it.
CKWStr ApplyLanguage(const CKWStartupFile& file);
