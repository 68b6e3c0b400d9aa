// Conversions between the system's UTF-16 text and UTF-8, the encoding of the platform's narrow text.
// Malformed input never fails: each bad sequence or lone surrogate becomes U+FFFD.
#pragma once

#include "KWCoreExport.h"

#include <string>
#include <string_view>

KWCORE_API std::u16string Utf8ToUtf16(std::string_view utf8);
KWCORE_API std::string Utf16ToUtf8(std::u16string_view utf16);
