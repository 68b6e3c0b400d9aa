// The compiled form of a script: a tree of nodes in one array, parsed once and run many times.
#pragma once

#include "ScriptText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kwscript {

enum class Op : uint8_t {
    // Expressions.
    Literal,  // a: the literal; b: 1 when written bare (a number, true or false), so printed unquoted
    Variable, // a: the name; slot: the variable of the scope
    Call,     // a: the name; slot: the function of the scope; b, c: first argument in lists, count
    Not,      // a: the operand
    Negate,
    Positive, // "+x": x read as a number
    Concat,   // a, b: the operands
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    And,
    Or,
    // Statements.
    Assign,   // a: the name; slot: the variable of the scope; b: the expression
    Evaluate, // a: the expression
    If,       // a: the condition; b: the block; c: the else branch (a block or an If), -1 for none
    Return,   // a: the expression, -1 for none
    Block,    // b, c: first statement in lists, count
};

struct Node {
    Op op;
    int32_t a = -1;
    int32_t b = -1;
    int32_t c = -1;
    int32_t slot = -1; // set when the program is bound to its scope
    int32_t line = 0;
    int32_t column = 0;
};

struct Program {
    std::vector<Node> nodes;
    std::vector<int32_t> lists; // the arguments of calls and the statements of blocks
    std::vector<ScriptText> literals;
    std::vector<std::u16string> names; // variable and function names as written, without "$"
    int32_t root = -1;                 // the top block
};

// The program written back in one canonical form: statements separated by "; ", every binary
// operation in parentheses, strings quoted. Shows how a text was understood.
std::u16string PrintProgram(const Program& program);

} // namespace kwscript
