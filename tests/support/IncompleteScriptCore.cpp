// A script engine library that lacks one function (GetDebugData, exported here under another name).
// The host must refuse it whole and call none of its functions: each of them ends the process.
#include "libs/script/ScriptCoreFunctions.h"

#include <cstdlib>

#pragma GCC diagnostic ignored "-Wunused-parameter"

#define GetDebugData NotGetDebugData
#define KW_ABORTING_FUNCTION(name, result, parameters)                                                       \
    extern "C" __attribute__((visibility("default"))) result name parameters { std::abort(); }
KWSCRIPT_FUNCTIONS(KW_ABORTING_FUNCTION)
KWSCRIPT_EXTRA_FUNCTIONS(KW_ABORTING_FUNCTION)
