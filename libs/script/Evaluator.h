// Runs a program bound to its scope. Every construct finishes (there are no loops), so a run ends;
// a run-time error ends it early with a message "line L, column C: <what went wrong>".
#pragma once

#include "Program.h"
#include "Scope.h"
#include "Value.h"

#include <string>

namespace kwscript {

// The longest text a script may build.
constexpr std::size_t kMaxTextLength = std::size_t(1) << 24;

class Evaluator {
public:
    // The caller holds the program and its scope for the run, so that a host function may delete
    // them meanwhile. fallback serves calls of functions that no scope has; null for none.
    Evaluator(const Program& program, Scope& scope, const HostFunction* fallback)
        : m_program(program), m_scope(scope), m_fallback(fallback) {}

    // The value of "return", or of the last expression or assignment run; false on a run-time error.
    bool Run(Value& result, std::u16string& error);

private:
    enum class Flow { Next, Return, Failed };

    const Node& At(int32_t index) const { return m_program.nodes[std::size_t(index)]; }
    int32_t ListItem(int32_t index) const { return m_program.lists[std::size_t(index)]; }

    Flow Execute(const Node& node);
    bool Evaluate(const Node& node, Value& out);
    bool Call(const Node& node, Value& out);
    bool Arithmetic(const Node& node, const Value& left, const Value& right, Value& out);
    bool Number(const Node& at, const Value& value, int64_t& number);
    bool Fail(const Node& at, const std::u16string& what);

    const Program& m_program;
    Scope& m_scope;
    const HostFunction* m_fallback;
    Value m_last;
    std::u16string m_error;
};

} // namespace kwscript
