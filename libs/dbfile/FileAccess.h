// Whole-file reading and writing for the XML files. A file is replaced by writing a temporary file
// beside it and renaming that over it, so a failed save leaves the old file as it was.
#pragma once

#include <string>
#include <string_view>

namespace kwdb {

bool ReadWholeFile(std::u16string_view path, std::string& content);
bool ReplaceFile(std::u16string_view path, std::string_view content);

} // namespace kwdb
