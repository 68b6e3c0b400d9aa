// The printf-style formatter behind CKWStr::Format, over UTF-16 format texts. Private to KWCore.
#pragma once

#include <cstdarg>
#include <string>

void AppendFormatted(std::u16string& out, const char16_t* format, va_list args);
