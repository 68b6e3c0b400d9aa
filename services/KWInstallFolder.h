// The installation folder: the parent of the program folder Bin/, with a trailing "/".
#pragma once

#include "core/KWStr.h"

// The "InstallPath" value of \DB_APP once the start-up has written it, else the folder found from
// the program folder.
CKWStr InstallFolder();
