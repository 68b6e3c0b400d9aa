#include "Program.h"

namespace kwscript {

namespace {

const char16_t* OperatorText(Op op) {
    switch (op) {
    case Op::Concat: return u" . ";
    case Op::Add: return u" + ";
    case Op::Subtract: return u" - ";
    case Op::Multiply: return u" * ";
    case Op::Divide: return u" / ";
    case Op::Remainder: return u" % ";
    case Op::Equal: return u" == ";
    case Op::NotEqual: return u" != ";
    case Op::Less: return u" < ";
    case Op::LessEqual: return u" <= ";
    case Op::Greater: return u" > ";
    case Op::GreaterEqual: return u" >= ";
    case Op::And: return u" && ";
    case Op::Or: return u" || ";
    default: return u" ? ";
    }
}

class Printer {
public:
    explicit Printer(const Program& program) : m_program(program) {}

    std::u16string Print() {
        if (m_program.root >= 0)
            Statements(m_program.nodes[std::size_t(m_program.root)]);
        return std::move(m_out);
    }

private:
    const Node& At(int32_t index) const { return m_program.nodes[std::size_t(index)]; }
    int32_t ListItem(int32_t index) const { return m_program.lists[std::size_t(index)]; }

    void Quoted(const std::u16string& text) {
        m_out += u'"';
        for (const char16_t c : text) {
            switch (c) {
            case u'"': m_out += u"\\\""; break;
            case u'\\': m_out += u"\\\\"; break;
            case u'\n': m_out += u"\\n"; break;
            case u'\t': m_out += u"\\t"; break;
            default: m_out += c;
            }
        }
        m_out += u'"';
    }

    void Statements(const Node& block) {
        for (int32_t i = 0; i < block.c; ++i) {
            if (i > 0)
                m_out += u"; ";
            Statement(At(ListItem(block.b + i)));
        }
    }

    void Block(const Node& block) {
        m_out += block.c > 0 ? u"{ " : u"{";
        Statements(block);
        m_out += u" }";
    }

    void Statement(const Node& node) {
        switch (node.op) {
        case Op::Assign:
            m_out += u"$" + m_program.names[std::size_t(node.a)] + u" = ";
            Expression(At(node.b));
            return;
        case Op::Evaluate: Expression(At(node.a)); return;
        case Op::Return:
            m_out += u"return";
            if (node.a >= 0) {
                m_out += u' ';
                Expression(At(node.a));
            }
            return;
        case Op::If:
            for (const Node* branch = &node;;) {
                m_out += u"if (";
                Expression(At(branch->a));
                m_out += u") ";
                Block(At(branch->b));
                if (branch->c < 0)
                    return;
                m_out += u" else ";
                if (At(branch->c).op != Op::If) {
                    Block(At(branch->c));
                    return;
                }
                branch = &At(branch->c);
            }
        default: Expression(node);
        }
    }

    void Expression(const Node& node) {
        switch (node.op) {
        case Op::Literal: {
            const std::u16string& text = m_program.literals[std::size_t(node.a)].Text();
            if (node.b == 1)
                m_out += text;
            else
                Quoted(text);
            return;
        }
        case Op::Variable: m_out += u"$" + m_program.names[std::size_t(node.a)]; return;
        case Op::Call:
            m_out += u"$" + m_program.names[std::size_t(node.a)] + u"(";
            for (int32_t i = 0; i < node.c; ++i) {
                if (i > 0)
                    m_out += u", ";
                Expression(At(ListItem(node.b + i)));
            }
            m_out += u")";
            return;
        case Op::Not:
        case Op::Negate:
        case Op::Positive:
            m_out += node.op == Op::Not ? u'!' : (node.op == Op::Negate ? u'-' : u'+');
            Expression(At(node.a));
            return;
        default:
            m_out += u'(';
            Expression(At(node.a));
            m_out += OperatorText(node.op);
            Expression(At(node.b));
            m_out += u')';
        }
    }

    const Program& m_program;
    std::u16string m_out;
};

} // namespace

std::u16string PrintProgram(const Program& program) { return Printer(program).Print(); }

} // namespace kwscript
