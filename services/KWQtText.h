// Crossing between the system's UTF-16 text and QString, which holds the same units.
#pragma once

#include "core/KWStr.h"

#include <QString>

#include <string_view>

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}
inline QString ToQString(const char16_t* text) {
    return text != nullptr ? QString::fromUtf16(text) : QString();
}
inline QString ToQString(const CKWStr& text) { return ToQString(text.View()); }

inline std::u16string_view ViewOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}
inline CKWStr ToKWStr(const QString& text) { return CKWStr(ViewOf(text)); }
