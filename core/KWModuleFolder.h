// The program folder: where KWCore.so lies, beside the programs and every other library of the
// installation (Bin/). Libraries loaded at run time are looked for here.
#pragma once

#include "KWCoreExport.h"

#include <string>

// The folder without a trailing "/", found once.
KWCORE_API const std::string& ProgramFolder();
