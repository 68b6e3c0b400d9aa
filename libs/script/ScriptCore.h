// ScriptCore.so: the script engine. Scopes keep variables and host functions; scripts are compiled
// once into a scope and run many times. The language is described in docs/script-language.md, the
// functions in README.md beside this file.
//
// The functions are exported with C linkage and fetched by name in the order of KWSCRIPT_FUNCTIONS,
// then KWSCRIPT_EXTRA_FUNCTIONS. Texts come in as null-terminated UTF-16 (null counts as the empty
// text); names may be written with or without their "$".
#pragma once

#include "ScriptCoreFunctions.h"

#define KWSCRIPT_DECLARE_FUNCTION(name, result, parameters) extern "C" result name parameters;
KWSCRIPT_FUNCTIONS(KWSCRIPT_DECLARE_FUNCTION)
KWSCRIPT_EXTRA_FUNCTIONS(KWSCRIPT_DECLARE_FUNCTION)
#undef KWSCRIPT_DECLARE_FUNCTION
