// The well-known folders (Project, ProjectGroup, User, Appdata, MyAppdata, Install, Bin, CCBin,
// CCInclude, CCLib) and the definition string of installation folders.
#pragma once

#include "core/KWStr.h"

#include <cstdint>
#include <optional>

// The folder of that name for the project of the request, as stored (nothing for an unknown name).
std::optional<CKWStr> WellKnownFolder(const char16_t* name, int32_t projectId);
// The "ProjDir" of the request's project (0: the current one), empty when there is none.
CKWStr ProjectDir(int32_t projectId);
// The project's "ProjDir"; else the current project's folder; else the user folder.
CKWStr ProjectFolder(int32_t projectId);
// "$(Install)=<folder>;$(Bin)=...;...;$(Desktop)=<folder>": pairs the package installer replaces in order.
CKWStr InstallFolderDefinition();
