// Reading the installation's settings texts: UTF-16 little-endian files, byte-order mark skipped.
#pragma once

#include <optional>
#include <string>

// The file's text, or nothing when it cannot be read.
std::optional<std::u16string> ReadUtf16File(const std::string& path);
