// The current user's registry: named values under key paths such as
// "Software\Corvane\Kilnworks\Studio5\Conf", kept in the INI file
// $XDG_CONFIG_HOME/Corvane/registry.ini, where the key path below "Software\Corvane\" is the group.
#pragma once

#include "core/KWStr.h"

#include <QString>

// The product's own key; its sub-keys "Conf" and "WinData" hold settings and window placement.
inline constexpr const char16_t* kKWProductRegistryKey = u"Software\\Corvane\\Kilnworks\\Studio5";

class CKWRegistry {
public:
    static QString FilePath();
    static CKWStr GetString(const char16_t* keyPath, const char16_t* name, const char16_t* fallback = u"");
    static bool SetString(const char16_t* keyPath, const char16_t* name, const char16_t* value);
    // Removes the key with every value and key below it.
    static void DeleteKey(const char16_t* keyPath);
};
