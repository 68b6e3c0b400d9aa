// The one path helper of the host. Paths are written with "/"; "\" is accepted as a separator in
// what is read (stored project data may hold it). "Absolute" means beginning with a separator.
#pragma once

#include "core/KWStr.h"

#include <optional>
#include <string_view>

namespace kwpath {

bool IsSeparator(char16_t c);
bool IsAbsolute(std::u16string_view path);
// Every "\" written as "/".
CKWStr WithSlashes(std::u16string_view path);
CKWStr WithTrailingSeparator(std::u16string_view folder);
CKWStr WithoutTrailingSeparator(std::u16string_view path);
// folder and name with exactly one separator between them.
CKWStr Join(std::u16string_view folder, std::u16string_view name);
// name taken from base: an absolute name stands as it is; a name beginning with "." is walked ("../"
// goes up a folder, never above the first one; "./" stays) with no trailing separator left; any other
// name is joined to base. Nothing when either is empty (or base is empty for a "." name).
std::optional<CKWStr> Combine(std::u16string_view base, std::u16string_view name);
// file relative to the folder base ("../x/y.c"); nothing when either is not absolute.
std::optional<CKWStr> Relative(std::u16string_view base, std::u16string_view file);
// The same path, separators and "." / ".." parts aside.
bool SamePath(std::u16string_view a, std::u16string_view b);
// The absolute path with "." and ".." parts resolved and no trailing separator ("/" for the root).
CKWStr Normalized(std::u16string_view absolutePath);

} // namespace kwpath
