#include "Parser.h"

#include "Lexer.h"

#include "core/KWStr.h"
#include "core/KWText.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace kwscript {

namespace {

struct BinaryLevel {
    TokenKind token;
    Op op;
};

// The binary operators, from the loosest binding to the tightest.
const std::vector<std::vector<BinaryLevel>> kLevels = {
    {{TokenKind::OrOr, Op::Or}},
    {{TokenKind::AndAnd, Op::And}},
    {{TokenKind::Equal, Op::Equal},
     {TokenKind::NotEqual, Op::NotEqual},
     {TokenKind::Less, Op::Less},
     {TokenKind::LessEqual, Op::LessEqual},
     {TokenKind::Greater, Op::Greater},
     {TokenKind::GreaterEqual, Op::GreaterEqual}},
    {{TokenKind::Dot, Op::Concat}},
    {{TokenKind::Plus, Op::Add}, {TokenKind::Minus, Op::Subtract}},
    {{TokenKind::Star, Op::Multiply}, {TokenKind::Slash, Op::Divide}, {TokenKind::Percent, Op::Remainder}},
};

bool IsWord(const Token& token, const char16_t* word) {
    return token.kind == TokenKind::Word && EqualsNoCase(token.text.c_str(), word);
}

bool EndsStatement(TokenKind kind) {
    return kind == TokenKind::LineBreak || kind == TokenKind::Semicolon || kind == TokenKind::End ||
           kind == TokenKind::RightBrace;
}

class Parser {
public:
    Parser(std::u16string_view text, Program& program) : m_program(program) {
        Lexer lexer(text);
        do
            m_tokens.push_back(lexer.Next());
        while (m_tokens.back().kind != TokenKind::End && m_tokens.back().kind != TokenKind::Invalid);
    }

    bool Run(std::u16string& error) {
        m_program = Program();
        m_program.root = ParseStatements(nullptr);
        if (m_program.root >= 0 && Peek().kind != TokenKind::End)
            Fail(Peek(), u"unexpected " + DescribeToken(Peek()));
        if (!m_error.empty()) {
            error = m_error;
            m_program = Program();
            return false;
        }
        return true;
    }

private:
    // A guard for every recursion of the parser, so that deep nesting is an error, not a crash.
    struct Nested {
        explicit Nested(Parser& parser) : m_parser(parser) { ++m_parser.m_nesting; }
        ~Nested() { --m_parser.m_nesting; }
        Parser& m_parser;
    };

    const Token& Peek() {
        while (m_parens > 0 && m_tokens[m_next].kind == TokenKind::LineBreak)
            ++m_next;
        return m_tokens[m_next];
    }
    const Token& Take() {
        const Token& token = Peek();
        if (token.kind != TokenKind::End && token.kind != TokenKind::Invalid)
            ++m_next;
        return token;
    }
    void SkipLineBreaks() {
        while (m_tokens[m_next].kind == TokenKind::LineBreak)
            ++m_next;
    }
    bool Expect(TokenKind kind, const char16_t* what) {
        if (Peek().kind == kind) {
            Take();
            return true;
        }
        Fail(Peek(), std::u16string(u"expected ") + what + u" but found " + DescribeToken(Peek()));
        return false;
    }

    int32_t Fail(const Token& at, const std::u16string& what) {
        if (m_error.empty()) {
            const std::u16string& problem = at.kind == TokenKind::Invalid ? at.text : what;
            m_error = CKWStr().Format(u"line %d, column %d: %ls", at.line, at.column, problem.c_str()).Text();
        }
        return -1;
    }
    bool TooDeep(const Token& at) {
        if (m_nesting <= kMaxNesting)
            return false;
        Fail(at, CKWStr().Format(u"the script nests deeper than %d levels", kMaxNesting).Text());
        return true;
    }

    int32_t Depth(int32_t node) const { return node >= 0 ? m_depths[std::size_t(node)] : 0; }
    // Adds a node whose evaluation recurses depth levels deep.
    int32_t Add(Node node, const Token& at, int32_t depth) {
        if (depth > kMaxNesting)
            return Fail(at, CKWStr().Format(u"the script nests deeper than %d levels", kMaxNesting).Text());
        node.line = at.line;
        node.column = at.column;
        m_program.nodes.push_back(node);
        m_depths.push_back(depth);
        return int32_t(m_program.nodes.size() - 1);
    }
    int32_t AddList(const std::vector<int32_t>& items) {
        const auto first = int32_t(m_program.lists.size());
        m_program.lists.insert(m_program.lists.end(), items.begin(), items.end());
        return first;
    }
    int32_t Name(const std::u16string& name) {
        const auto [it, added] = m_names.try_emplace(name, int32_t(m_program.names.size()));
        if (added)
            m_program.names.push_back(name);
        return it->second;
    }
    int32_t AddLiteral(const Token& token, bool bare) {
        m_program.literals.emplace_back(token.text);
        Node node{Op::Literal, int32_t(m_program.literals.size() - 1), bare ? 1 : 0};
        return Add(node, token, 1);
    }

    // Statements up to the end of the script, or up to the "}" of a block opened at open.
    int32_t ParseStatements(const Token* open) {
        std::vector<int32_t> statements;
        int32_t depth = 0;
        const Token& start = Peek();
        for (;;) {
            while (Peek().kind == TokenKind::LineBreak || Peek().kind == TokenKind::Semicolon)
                Take();
            const TokenKind kind = Peek().kind;
            if (kind == TokenKind::End || kind == TokenKind::Invalid || kind == TokenKind::RightBrace)
                break;
            bool block = false;
            const int32_t statement = ParseStatement(block);
            if (statement < 0)
                return -1;
            statements.push_back(statement);
            depth = std::max(depth, Depth(statement));
            if (!block && !EndsStatement(Peek().kind))
                return Fail(Peek(), u"expected ';' or a line break after the statement but found " +
                                        DescribeToken(Peek()));
        }
        if (open != nullptr && Peek().kind != TokenKind::RightBrace)
            return Fail(Peek(),
                        CKWStr()
                            .Format(u"expected '}' to close the block opened at line %d, column %d but "
                                    u"found %ls",
                                    open->line, open->column, DescribeToken(Peek()).c_str())
                            .Text());
        if (Peek().kind == TokenKind::Invalid)
            return Fail(Peek(), {});
        Node node{Op::Block, -1, AddList(statements), int32_t(statements.size())};
        return Add(node, start, depth + 1);
    }

    int32_t ParseBlock() {
        Nested nested(*this);
        const Token& open = Peek();
        if (TooDeep(open) || !Expect(TokenKind::LeftBrace, u"'{'"))
            return -1;
        const int32_t block = ParseStatements(&open);
        if (block < 0)
            return -1;
        Take(); // "}"
        return block;
    }

    int32_t ParseStatement(bool& endsWithBlock) {
        const Token& first = Peek();
        if (IsWord(first, u"if")) {
            endsWithBlock = true;
            return ParseIf();
        }
        if (IsWord(first, u"else"))
            return Fail(first, u"'else' without 'if'");
        if (IsWord(first, u"return")) {
            Take();
            int32_t value = -1;
            if (!EndsStatement(Peek().kind) && (value = ParseExpression()) < 0)
                return -1;
            return Add(Node{Op::Return, value}, first, Depth(value) + 1);
        }
        if (first.kind == TokenKind::Variable && m_tokens[m_next + 1].kind == TokenKind::Assign) {
            Take();
            Take();
            const int32_t value = ParseExpression();
            if (value < 0)
                return -1;
            return Add(Node{Op::Assign, Name(first.text), value}, first, Depth(value) + 1);
        }
        const int32_t value = ParseExpression();
        if (value < 0)
            return -1;
        return Add(Node{Op::Evaluate, value}, first, Depth(value) + 1);
    }

    // An "if" with its "else if" branches: the chain is built here and run by one loop, so a long
    // chain does not nest.
    int32_t ParseIf() {
        std::vector<int32_t> branches; // the If nodes, in order
        int32_t elseBlock = -1;
        for (;;) {
            const Token& keyword = Take(); // "if"
            SkipLineBreaks();
            if (!Expect(TokenKind::LeftParen, u"'(' after 'if'"))
                return -1;
            ++m_parens;
            const int32_t condition = ParseExpression();
            if (condition < 0 || !Expect(TokenKind::RightParen, u"')' after the condition"))
                return -1;
            --m_parens;
            SkipLineBreaks();
            const int32_t block = ParseBlock();
            if (block < 0)
                return -1;
            const int32_t branch =
                Add(Node{Op::If, condition, block}, keyword, std::max(Depth(condition), Depth(block)) + 1);
            if (branch < 0)
                return -1;
            branches.push_back(branch);

            const std::size_t afterBlock = m_next;
            SkipLineBreaks();
            if (!IsWord(Peek(), u"else")) {
                m_next = afterBlock;
                break;
            }
            Take();
            SkipLineBreaks();
            if (IsWord(Peek(), u"if"))
                continue;
            if ((elseBlock = ParseBlock()) < 0)
                return -1;
            break;
        }
        // Link the chain from its end, so that each branch's depth covers the rest of the chain.
        int32_t next = elseBlock;
        int32_t depth = Depth(elseBlock) + 1;
        for (auto it = branches.rbegin(); it != branches.rend(); ++it) {
            m_program.nodes[std::size_t(*it)].c = next;
            depth = std::max(depth, Depth(*it));
            m_depths[std::size_t(*it)] = depth;
            next = *it;
        }
        return next;
    }

    int32_t ParseExpression() {
        Nested nested(*this);
        if (TooDeep(Peek()))
            return -1;
        return ParseBinary(0);
    }

    int32_t ParseBinary(std::size_t level) {
        if (level == kLevels.size())
            return ParseUnary();
        int32_t left = ParseBinary(level + 1);
        while (left >= 0) {
            const Token& token = Peek();
            const auto& ops = kLevels[level];
            const auto match = std::find_if(
                ops.begin(), ops.end(), [&](const BinaryLevel& entry) { return entry.token == token.kind; });
            if (match == ops.end())
                break;
            Take();
            const int32_t right = ParseBinary(level + 1);
            if (right < 0)
                return -1;
            left = Add(Node{match->op, left, right}, token, std::max(Depth(left), Depth(right)) + 1);
        }
        return left;
    }

    int32_t ParseUnary() {
        SkipLineBreaks();
        const Token& token = Peek();
        Op op;
        switch (token.kind) {
        case TokenKind::Not: op = Op::Not; break;
        case TokenKind::Minus: op = Op::Negate; break;
        case TokenKind::Plus: op = Op::Positive; break;
        default: return ParsePrimary();
        }
        Nested nested(*this);
        if (TooDeep(token))
            return -1;
        Take();
        const int32_t operand = ParseUnary();
        if (operand < 0)
            return -1;
        return Add(Node{op, operand}, token, Depth(operand) + 1);
    }

    int32_t ParsePrimary() {
        const Token& token = Take();
        switch (token.kind) {
        case TokenKind::Number: return AddLiteral(token, true);
        case TokenKind::String: return AddLiteral(token, false);
        case TokenKind::Word:
            if (IsWord(token, u"true") || IsWord(token, u"false"))
                return AddLiteral(token, true);
            if (m_arguments > 0)
                return AddLiteral(token, false);
            return Fail(token, u"expected an expression but found the word " + token.text +
                                   u" (a bare word is a text only inside the arguments of a call; write \"" +
                                   token.text + u"\")");
        case TokenKind::Variable:
            if (Peek().kind == TokenKind::LeftParen)
                return ParseCall(token);
            return Add(Node{Op::Variable, Name(token.text)}, token, 1);
        case TokenKind::LeftParen: {
            ++m_parens;
            const int32_t inner = ParseExpression();
            if (inner < 0 || !Expect(TokenKind::RightParen, u"')'"))
                return -1;
            --m_parens;
            return inner;
        }
        default: return Fail(token, u"expected an expression but found " + DescribeToken(token));
        }
    }

    int32_t ParseCall(const Token& name) {
        Take(); // "("
        ++m_parens;
        ++m_arguments;
        std::vector<int32_t> arguments;
        int32_t depth = 0;
        if (Peek().kind != TokenKind::RightParen) {
            for (;;) {
                const int32_t argument = ParseExpression();
                if (argument < 0)
                    return -1;
                arguments.push_back(argument);
                depth = std::max(depth, Depth(argument));
                if (Peek().kind == TokenKind::Comma) {
                    Take();
                    continue;
                }
                if (Peek().kind == TokenKind::RightParen)
                    break;
                return Fail(Peek(), u"expected ',' or ')' in the arguments of $" + name.text +
                                        u" but found " + DescribeToken(Peek()));
            }
        }
        Take(); // ")"
        --m_parens;
        --m_arguments;
        Node node{Op::Call, Name(name.text), AddList(arguments), int32_t(arguments.size())};
        return Add(node, name, depth + 1);
    }

    Program& m_program;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
    int m_parens = 0;    // open parentheses: line breaks inside them are blanks
    int m_arguments = 0; // open argument lists: bare words inside them are texts
    int m_nesting = 0;
    std::vector<int32_t> m_depths; // how deep the evaluation of each node recurses
    std::unordered_map<std::u16string, int32_t> m_names;
    std::u16string m_error;
};

} // namespace

bool Parse(std::u16string_view text, Program& program, std::u16string& error) {
    Parser parser(text, program);
    return parser.Run(error);
}

} // namespace kwscript
