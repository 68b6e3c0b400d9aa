#include "Lexer.h"

#include "core/KWStr.h"
#include "core/KWText.h"

namespace kwscript {

namespace {

bool IsNameStart(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNamePart(char16_t c) { return IsNameStart(c) || IsDigit(c); }
bool IsHexDigit(char16_t c) { return DigitValue(c) < 16; }

std::u16string Quoted(char16_t c) {
    if (c >= 0x21 && c < 0x7F)
        return std::u16string(u"'") + c + u"'";
    return CKWStr().Format(u"U+%04X", unsigned(c)).Text();
}

} // namespace

void Lexer::Advance(std::size_t count) {
    m_position += count;
    m_column += int32_t(count);
}

void Lexer::SkipBlanksAndComments() {
    while (m_position < m_source.size()) {
        const char16_t c = Peek();
        if (c == u'/' && Peek(1) == u'/') {
            while (m_position < m_source.size() && Peek() != u'\n' && Peek() != u'\r')
                Advance();
        } else if (c != u'\n' && c != u'\r' && c >= 0x01 && c <= 0x20) {
            Advance();
        } else {
            return;
        }
    }
}

Token Lexer::Make(TokenKind kind, std::size_t length) {
    Token token{kind, std::u16string(m_source.substr(m_position, length)), m_tokenLine, m_tokenColumn};
    Advance(length);
    return token;
}

Token Lexer::ReadName(TokenKind kind) {
    const std::size_t skip = kind == TokenKind::Variable ? 1 : 0;
    std::size_t length = skip;
    while (IsNamePart(Peek(length)))
        ++length;
    Token token{kind, std::u16string(m_source.substr(m_position + skip, length - skip)), m_tokenLine,
                m_tokenColumn};
    Advance(length);
    return token;
}

Token Lexer::ReadNumber() {
    std::size_t length = 0;
    if (Peek() == u'0' && (Peek(1) == u'x' || Peek(1) == u'X')) {
        length = 2;
        while (IsHexDigit(Peek(length)))
            ++length;
        if (length == 2)
            return {TokenKind::Invalid, u"expected hexadecimal digits after '0x'", m_tokenLine,
                    m_tokenColumn};
    } else {
        while (IsDigit(Peek(length)))
            ++length;
    }
    if (IsNamePart(Peek(length)))
        return {TokenKind::Invalid, u"a number runs into letters", m_tokenLine, m_tokenColumn};
    return Make(TokenKind::Number, length);
}

Token Lexer::ReadString() {
    std::u16string text;
    std::size_t i = 1;
    for (;; ++i) {
        if (m_position + i >= m_source.size() || Peek(i) == u'\n' || Peek(i) == u'\r')
            return {TokenKind::Invalid, u"the string is not closed before the end of the line", m_tokenLine,
                    m_tokenColumn};
        const char16_t c = Peek(i);
        if (c == u'"')
            break;
        if (c != u'\\') {
            text += c;
            continue;
        }
        // Known escapes are resolved; a backslash before anything else stays, so that database paths
        // such as "\DB_APP\Key" read as written.
        switch (Peek(i + 1)) {
        case u'"':
            text += u'"';
            ++i;
            break;
        case u'\\':
            text += u'\\';
            ++i;
            break;
        case u'n':
            text += u'\n';
            ++i;
            break;
        case u't':
            text += u'\t';
            ++i;
            break;
        default: text += u'\\'; break;
        }
    }
    Token token{TokenKind::String, std::move(text), m_tokenLine, m_tokenColumn};
    Advance(i + 1);
    return token;
}

Token Lexer::Next() {
    SkipBlanksAndComments();
    m_tokenLine = m_line;
    m_tokenColumn = m_column;
    if (m_position >= m_source.size())
        return {TokenKind::End, {}, m_line, m_column};

    const char16_t c = Peek();
    const char16_t next = Peek(1);
    if (c == u'\n' || c == u'\r') {
        Token token = Make(TokenKind::LineBreak, c == u'\r' && next == u'\n' ? 2 : 1);
        ++m_line;
        m_column = 1;
        return token;
    }
    if (c == u'$') {
        if (!IsNameStart(next))
            return {TokenKind::Invalid, u"expected a name after '$'", m_tokenLine, m_tokenColumn};
        return ReadName(TokenKind::Variable);
    }
    if (IsNameStart(c))
        return ReadName(TokenKind::Word);
    if (IsDigit(c))
        return ReadNumber();
    if (c == u'"')
        return ReadString();

    switch (c) {
    case u';': return Make(TokenKind::Semicolon, 1);
    case u',': return Make(TokenKind::Comma, 1);
    case u'(': return Make(TokenKind::LeftParen, 1);
    case u')': return Make(TokenKind::RightParen, 1);
    case u'{': return Make(TokenKind::LeftBrace, 1);
    case u'}': return Make(TokenKind::RightBrace, 1);
    case u'.': return Make(TokenKind::Dot, 1);
    case u'+': return Make(TokenKind::Plus, 1);
    case u'-': return Make(TokenKind::Minus, 1);
    case u'*': return Make(TokenKind::Star, 1);
    case u'/': return Make(TokenKind::Slash, 1);
    case u'%': return Make(TokenKind::Percent, 1);
    case u'=': return next == u'=' ? Make(TokenKind::Equal, 2) : Make(TokenKind::Assign, 1);
    case u'!': return next == u'=' ? Make(TokenKind::NotEqual, 2) : Make(TokenKind::Not, 1);
    case u'<': return next == u'=' ? Make(TokenKind::LessEqual, 2) : Make(TokenKind::Less, 1);
    case u'>': return next == u'=' ? Make(TokenKind::GreaterEqual, 2) : Make(TokenKind::Greater, 1);
    case u'&':
        if (next == u'&')
            return Make(TokenKind::AndAnd, 2);
        return {TokenKind::Invalid, u"'&' alone: write '&&'", m_tokenLine, m_tokenColumn};
    case u'|':
        if (next == u'|')
            return Make(TokenKind::OrOr, 2);
        return {TokenKind::Invalid, u"'|' alone: write '||'", m_tokenLine, m_tokenColumn};
    default: return {TokenKind::Invalid, u"unexpected character " + Quoted(c), m_tokenLine, m_tokenColumn};
    }
}

std::u16string DescribeToken(const Token& token) {
    switch (token.kind) {
    case TokenKind::End: return u"the end of the script";
    case TokenKind::LineBreak: return u"a line break";
    case TokenKind::Variable: return u"the name $" + token.text;
    case TokenKind::Word: return u"the word " + token.text;
    case TokenKind::Number: return u"the number " + token.text;
    case TokenKind::String: return u"a string";
    case TokenKind::Invalid: return token.text;
    default: return u"'" + token.text + u"'";
    }
}

} // namespace kwscript
