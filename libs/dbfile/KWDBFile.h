// KWDBFile.so: the tree database shared by every component of the process.
//
// A database holds named roots; each key has a name, ordered sub-keys, ordered values (name and text)
// and a modification flag. Keys are reached by id, by path ("\Root\Key\..."), by name under a parent or
// by index. Names compare without regard to ASCII case. Key ids and value ids are 32-bit, never 0 and
// never reused while the process runs, so a stale id finds nothing. Every function is safe to call
// from several threads.
//
// The functions are exported with C linkage and fetched by name in the order of KWDB_FUNCTIONS. Texts
// come in as null-terminated UTF-16 (null counts as the empty text) and go out through a CKWStr. A
// function that finds or creates nothing answers 0. The file format of SaveXMLFile and LoadXMLFile is
// described in README.md beside this file.
#pragma once

#include "KWDBFileFunctions.h"

#define KWDB_DECLARE_FUNCTION(name, result, parameters) extern "C" result name parameters;
KWDB_FUNCTIONS(KWDB_DECLARE_FUNCTION)
#undef KWDB_DECLARE_FUNCTION
