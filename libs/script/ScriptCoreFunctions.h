// The functions of the script engine library, in the order they are fetched by name: one list for the
// library's declarations and for every table of function pointers that a caller keeps.
#pragma once

#include <cstdint>

class CKWStr;

// What a host function is given when a script calls it.
struct KWScriptCall {
    const char16_t* name;        // the function's name as the script wrote it, without "$"
    int32_t argc;                // the number of arguments
    const char16_t* const* argv; // the argument texts, in the order the script wrote them
    int32_t scope;               // the scope the calling script runs in
    intptr_t argument;           // that scope's argument, as given to SetScope or CellGetNewScope
};

// A host function: writes its result text and answers 1, or answers 0 when it cannot serve the call
// (the call's value is then the empty text). object is the one given when the function was registered.
using KWScriptFunction = int32_t (*)(void* object, const KWScriptCall* call, CKWStr* result);

// X(name, result type, parameter list), in the order the host fetches them.
#define KWSCRIPT_FUNCTIONS(X)                                                                                \
    X(SetScope, int32_t, (const char16_t* name, int32_t parent, intptr_t argument))                          \
    X(SetScript, int32_t, (int32_t scope, const char16_t* text))                                             \
    X(ExecScript, int32_t, (int32_t script))                                                                 \
    X(SetVar, int32_t, (int32_t scope, const char16_t* name, const char16_t* text))                          \
    X(GetVar, const char16_t*, (int32_t scope, const char16_t* name))                                        \
    X(InitVar, int32_t, (int32_t scope, int32_t keepBackup))                                                 \
    X(SetCallBack, int32_t, (int32_t scope, const char16_t* name, KWScriptFunction function, void* object))  \
    X(SetAlias, int32_t, (int32_t scope, const char16_t* alias, const char16_t* name))                       \
    X(GetErrStr, const char16_t*, ())                                                                        \
    X(GetParseResult, const char16_t*, (int32_t script))                                                     \
    X(Init, int32_t, ())                                                                                     \
    X(Uninit, void, ())                                                                                      \
    X(CellGetNewScope, int32_t, (int32_t parent, intptr_t argument))                                         \
    X(CellSetSearchPath, int32_t, (const char16_t* folders))                                                 \
    X(CellGetSearchPath, int32_t, (CKWStr * folders))                                                        \
    X(CellSetVar, int32_t, (int32_t scope, const char16_t* name, const char16_t* text))                      \
    X(CellGetVar, int32_t, (int32_t scope, const char16_t* name, CKWStr* text))                              \
    X(CellInitVar, int32_t, (int32_t scope, const char16_t* names))                                          \
    X(CellSetScript, int32_t, (int32_t scope, const char16_t* file))                                         \
    X(CellRunScript, int32_t, (int32_t script, CKWStr * result))                                             \
    X(CellRunScriptParam, int32_t, (int32_t script, const char16_t* parameters, CKWStr* result))             \
    X(SetFuncCallback, int32_t, (KWScriptFunction function, void* object))                                   \
    X(SetFuncCase, int32_t, (int32_t scope, int32_t caseSensitive))                                          \
    X(DeleteVarBackup, int32_t, (int32_t scope))                                                             \
    X(RestoreVar, int32_t, (int32_t scope))                                                                  \
    X(DeleteScope, int32_t, (int32_t scope))                                                                 \
    X(GetDebugData, int32_t, (int32_t scope, CKWStr * text))

// Beyond the list above, and fetched after it: the result text of a script's last run, which the
// window frameworks need and ExecScript's integer loses.
#define KWSCRIPT_EXTRA_FUNCTIONS(X) X(GetResult, const char16_t*, (int32_t script))
