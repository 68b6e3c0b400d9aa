// Reading script files: UTF-8 (with or without a byte-order mark) or UTF-16LE with a byte-order mark.
#pragma once

#include <string>

namespace kwscript {

// False when the file cannot be read.
bool ReadScriptFile(const std::string& path, std::u16string& text);

} // namespace kwscript
