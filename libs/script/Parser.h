// Parses a script text into its compiled form.
//
//   script     := statements
//   statements := { statement ( ";" | line break ) }      (no separator is needed after a "}")
//   statement  := "if" "(" expr ")" block { "else" "if" "(" expr ")" block } [ "else" block ]
//               | "return" [ expr ] | $name "=" expr | expr
//   block      := "{" statements "}"
//   expr       := or;   or := and { "||" and };   and := compare { "&&" compare }
//   compare    := join { ( "==" | "!=" | "<" | "<=" | ">" | ">=" ) join }
//   join       := sum { "." sum };   sum := product { ( "+" | "-" ) product }
//   product    := unary { ( "*" | "/" | "%" ) unary };   unary := ( "!" | "-" | "+" ) unary | primary
//   primary    := number | string | true | false | $name | $name "(" [ expr { "," expr } ] ")"
//               | "(" expr ")" | word (only inside the arguments of a call, where it is a text)
//
// Line breaks inside parentheses and before an operand are blanks. Nesting is limited, so that
// running and printing a program never recurse without bound.
#pragma once

#include "Program.h"

#include <string>
#include <string_view>

namespace kwscript {

constexpr int kMaxNesting = 200;

// On a syntax error answers false and sets error to "line L, column C: <what was expected>".
bool Parse(std::u16string_view text, Program& program, std::u16string& error);

} // namespace kwscript
