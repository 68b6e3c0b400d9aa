// Splits a script text into tokens, with the line and column (from 1, in UTF-16 units) of each.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kwscript {

enum class TokenKind : uint8_t {
    End,
    LineBreak,
    Semicolon,
    Comma,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
    Variable, // "$name": text is the name without "$"
    Word,     // a bare name: a keyword, true or false, or a text inside call arguments
    Number,   // decimal or "0x" hexadecimal digits as written
    String,   // text is the string with its escapes resolved
    Dot,
    Plus,
    Minus,
    Star,
    Slash,
    Percent,
    Assign,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    AndAnd,
    OrOr,
    Not,
    Invalid, // text says what is wrong
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::u16string text;
    int32_t line = 1;
    int32_t column = 1;
};

class Lexer {
public:
    explicit Lexer(std::u16string_view source) : m_source(source) {}
    Token Next();

private:
    char16_t Peek(std::size_t ahead = 0) const {
        return m_position + ahead < m_source.size() ? m_source[m_position + ahead] : u'\0';
    }
    void Advance(std::size_t count = 1);
    void SkipBlanksAndComments();
    Token Make(TokenKind kind, std::size_t length);
    Token ReadName(TokenKind kind);
    Token ReadNumber();
    Token ReadString();

    std::u16string_view m_source;
    std::size_t m_position = 0;
    int32_t m_line = 1;
    int32_t m_column = 1;
    int32_t m_tokenLine = 1;
    int32_t m_tokenColumn = 1;
};

// How a token is named in a message: "')'", "the name $x", "end of script".
std::u16string DescribeToken(const Token& token);

} // namespace kwscript
