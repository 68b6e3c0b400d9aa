// The current-directory guard. The process has one current directory for every module, so work that
// needs another one is bracketed by EnterCurrentDirectory / LeaveCurrentDirectory, which hold one
// process-wide lock. Modules find that lock through a small named shared-memory block
// "KWX5CurDirMng_0x<pid>": the first module stores the address of its lock there, the others use it.
#pragma once

#include "KWCoreExport.h"

// Takes the shared lock, remembers the current directory and changes to path. Pairs nest. Answers
// whether the change succeeded; LeaveCurrentDirectory must follow either way.
KWCORE_API bool EnterCurrentDirectory(const char16_t* path);
// Changes back to the directory remembered by the matching EnterCurrentDirectory and releases the lock.
KWCORE_API void LeaveCurrentDirectory();
// Whether the shared-memory block could be created or found; without it the pair still changes the
// directory, but without a lock.
KWCORE_API bool HasSharedDirectoryLock();
// The name of this process's block, for diagnostics and tests.
KWCORE_API const char* SharedDirectoryLockName();
