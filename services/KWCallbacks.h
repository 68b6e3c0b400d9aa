// The forms of the functions the host offers by name in the tree database's callback registry.
// Components look them up once with GetCallbackFunc and call them directly.
#pragma once

#include <cstdint>

using KWTranslateProc = const char16_t* (*)(const char16_t* text);
using KWGetStrRscProc = const char16_t* (*)(int32_t id);
using KWGetErrorCodeProc = const char16_t* (*)(int32_t id);
using KWIsErrorCodeProc = int32_t (*)(int32_t id);
// The top key of a project in one of the per-project roots; project id 0 or less: the current one.
using KWGetCurrentDBTopProc = int32_t (*)(int32_t projectId);
using KWGetCurrentProjNameProc = const char16_t* (*)();
using KWGetCurrentProjIdProc = int32_t (*)();
