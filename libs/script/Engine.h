// The engine's state, one per process: the scopes and scripts by handle, the message of the last
// failure, the fallback function, the search path of script files and the use count. Handles are
// positive and never reused while the process runs, so a stale handle finds nothing.
//
// The engine serves one thread (the user interface's) and takes no lock. Host functions may call
// back into it while a script runs: scripts and scopes are held while they run, so deleting them
// from a host function is safe.
#pragma once

#include "Program.h"
#include "Scope.h"

#include <cstdint>

class CKWStr;
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kwscript {

// How deep scripts may run inside each other through host functions.
constexpr int kMaxRunDepth = 16;

struct Script {
    int32_t handle = -1;
    std::shared_ptr<Scope> scope;
    Program program;
    std::u16string result; // the result text of the last run
};

class Engine {
public:
    static Engine& Instance();

    int32_t Init() { return ++m_useCount; }
    // The last Uninit frees every scope and script.
    void Uninit();

    // A new scope; parent -1 for none. -1 when the parent is unknown or the chain too long.
    int32_t NewScope(std::u16string_view name, int32_t parent, intptr_t argument);
    Scope* FindScope(int32_t handle) const;
    // Deletes the scope, the scopes made as its cells and every script bound to them.
    bool DeleteScope(int32_t handle);

    // Compiles text in the scope; the same text in the same scope gives the same script. -1 on a
    // syntax error or an unknown scope, with the message kept for LastError.
    int32_t Compile(int32_t scope, std::u16string_view text);
    // Compiles a script file: a path beginning with "/" as it is, any other in each search folder in turn.
    int32_t CompileFile(int32_t scope, std::u16string_view file);
    Script* FindScript(int32_t handle) const;

    // Runs the script: its result text is kept in the script and, as asked, given as an integer (see
    // ResultInteger) and a text. False on an error, with the message kept and an empty result.
    bool Run(int32_t handle, int32_t* integer, CKWStr* text);
    // Runs the script with "name=value" parameters set in its scope for the run; the variables get
    // their previous texts back afterwards.
    bool RunWithParameters(int32_t handle, std::u16string_view parameters, CKWStr* text);

    void SetFallback(KWScriptFunction function, void* object);
    void SetSearchPath(std::u16string_view folders);
    const std::vector<std::u16string>& SearchPath() const { return m_searchPath; }

    const std::u16string& LastError() const { return m_error; }
    // A buffer for texts handed out until the next call that uses it (GetParseResult).
    const char16_t* Keep(std::u16string text);

private:
    std::unordered_map<int32_t, std::shared_ptr<Scope>> m_scopes;
    std::unordered_map<int32_t, std::shared_ptr<Script>> m_scripts;
    int32_t m_nextScope = 1;
    int32_t m_nextScript = 1;
    int32_t m_useCount = 0;
    int m_runDepth = 0;
    HostFunction m_fallback;
    std::vector<std::u16string> m_searchPath;
    std::u16string m_error;
    std::u16string m_kept;
};

} // namespace kwscript
