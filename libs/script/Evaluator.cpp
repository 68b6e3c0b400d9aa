#include "Evaluator.h"

#include "core/KWStr.h"

#include <limits>
#include <vector>

namespace kwscript {

namespace {

// A value quoted for a message, shortened when long.
std::u16string Shown(const Value& value) {
    constexpr std::size_t kShown = 40;
    const std::u16string_view text = value.View();
    std::u16string shown(u"'");
    shown.append(text.substr(0, kShown)).append(text.size() > kShown ? u"...'" : u"'");
    return shown;
}

} // namespace

bool Evaluator::Run(Value& result, std::u16string& error) {
    if (m_program.root < 0 || Execute(At(m_program.root)) == Flow::Failed) {
        error = m_program.root < 0 ? u"the script was not compiled" : m_error;
        result = Value();
        return false;
    }
    result = std::move(m_last);
    return true;
}

bool Evaluator::Fail(const Node& at, const std::u16string& what) {
    m_error = CKWStr().Format(u"line %d, column %d: %ls", at.line, at.column, what.c_str()).Text();
    return false;
}

Evaluator::Flow Evaluator::Execute(const Node& node) {
    switch (node.op) {
    case Op::Block:
        for (int32_t i = 0; i < node.c; ++i)
            if (const Flow flow = Execute(At(ListItem(node.b + i))); flow != Flow::Next)
                return flow;
        return Flow::Next;
    case Op::If:
        for (const Node* branch = &node;;) {
            Value condition;
            if (!Evaluate(At(branch->a), condition))
                return Flow::Failed;
            if (condition.Truth())
                return Execute(At(branch->b));
            if (branch->c < 0)
                return Flow::Next;
            if (At(branch->c).op != Op::If)
                return Execute(At(branch->c));
            branch = &At(branch->c);
        }
    case Op::Assign: {
        Value value;
        if (!Evaluate(At(node.b), value))
            return Flow::Failed;
        value.StoreInto(m_scope.Variable(node.slot));
        m_last = std::move(value);
        return Flow::Next;
    }
    case Op::Return:
        m_last = Value();
        if (node.a >= 0 && !Evaluate(At(node.a), m_last))
            return Flow::Failed;
        return Flow::Return;
    case Op::Evaluate: return Evaluate(At(node.a), m_last) ? Flow::Next : Flow::Failed;
    default: return Evaluate(node, m_last) ? Flow::Next : Flow::Failed;
    }
}

bool Evaluator::Evaluate(const Node& node, Value& out) {
    switch (node.op) {
    case Op::Literal: out = Value::Literal(m_program.literals[std::size_t(node.a)]); return true;
    case Op::Variable: {
        const TextRef* text = m_scope.Find(node.slot);
        out = text != nullptr ? Value::Shared(*text) : Value();
        return true;
    }
    case Op::Call: return Call(node, out);
    case Op::Not:
        if (!Evaluate(At(node.a), out))
            return false;
        out = Value::Boolean(!out.Truth());
        return true;
    case Op::Negate:
    case Op::Positive: {
        Value operand;
        int64_t number = 0;
        if (!Evaluate(At(node.a), operand) || !Number(node, operand, number))
            return false;
        out = Value::Number(node.op == Op::Negate ? int64_t(0 - uint64_t(number)) : number);
        return true;
    }
    case Op::And:
    case Op::Or: {
        Value left;
        if (!Evaluate(At(node.a), left))
            return false;
        // The right side runs only when the left does not decide.
        if (left.Truth() == (node.op == Op::Or)) {
            out = Value::Boolean(node.op == Op::Or);
            return true;
        }
        Value right;
        if (!Evaluate(At(node.b), right))
            return false;
        out = Value::Boolean(right.Truth());
        return true;
    }
    default: break;
    }

    Value left, right;
    if (!Evaluate(At(node.a), left) || !Evaluate(At(node.b), right))
        return false;
    switch (node.op) {
    case Op::Concat: {
        const std::u16string_view a = left.View();
        const std::u16string_view b = right.View();
        if (a.size() + b.size() > kMaxTextLength)
            return Fail(
                node,
                CKWStr().Format(u"the text would be longer than %zu characters", kMaxTextLength).Text());
        std::u16string joined;
        joined.reserve(a.size() + b.size());
        joined.append(a).append(b);
        out = Value::Text(std::move(joined));
        return true;
    }
    case Op::Equal: out = Value::Boolean(Value::Compare(left, right) == 0); return true;
    case Op::NotEqual: out = Value::Boolean(Value::Compare(left, right) != 0); return true;
    case Op::Less: out = Value::Boolean(Value::Compare(left, right) < 0); return true;
    case Op::LessEqual: out = Value::Boolean(Value::Compare(left, right) <= 0); return true;
    case Op::Greater: out = Value::Boolean(Value::Compare(left, right) > 0); return true;
    case Op::GreaterEqual: out = Value::Boolean(Value::Compare(left, right) >= 0); return true;
    default: return Arithmetic(node, left, right, out);
    }
}

bool Evaluator::Number(const Node& at, const Value& value, int64_t& number) {
    if (value.AsNumber(number, true))
        return true;
    return Fail(at, Shown(value) + u" is not a number");
}

// Integer arithmetic on 64 bits; sums, differences and products wrap around.
bool Evaluator::Arithmetic(const Node& node, const Value& left, const Value& right, Value& out) {
    int64_t a = 0, b = 0;
    if (!Number(node, left, a) || !Number(node, right, b))
        return false;
    const auto ua = uint64_t(a);
    const auto ub = uint64_t(b);
    switch (node.op) {
    case Op::Add: out = Value::Number(int64_t(ua + ub)); return true;
    case Op::Subtract: out = Value::Number(int64_t(ua - ub)); return true;
    case Op::Multiply: out = Value::Number(int64_t(ua * ub)); return true;
    case Op::Divide:
    case Op::Remainder:
        if (b == 0)
            return Fail(node, u"division by zero");
        // The one quotient that does not fit: the most negative number divided by -1 wraps to itself.
        if (a == std::numeric_limits<int64_t>::min() && b == -1)
            out = Value::Number(node.op == Op::Divide ? a : 0);
        else
            out = Value::Number(node.op == Op::Divide ? a / b : a % b);
        return true;
    default: return Fail(node, u"unknown operation");
    }
}

bool Evaluator::Call(const Node& node, Value& out) {
    // Most calls have a few arguments: those live on the stack.
    constexpr int32_t kOnStack = 8;
    Value fewValues[kOnStack];
    const char16_t* fewTexts[kOnStack];
    std::vector<Value> manyValues;
    std::vector<const char16_t*> manyTexts;
    if (node.c > kOnStack) {
        manyValues.resize(std::size_t(node.c));
        manyTexts.resize(std::size_t(node.c));
    }
    Value* const arguments = node.c > kOnStack ? manyValues.data() : fewValues;
    const char16_t** const texts = node.c > kOnStack ? manyTexts.data() : fewTexts;
    for (int32_t i = 0; i < node.c; ++i)
        if (!Evaluate(At(ListItem(node.b + i)), arguments[i]))
            return false;
    for (int32_t i = 0; i < node.c; ++i)
        texts[i] = arguments[i].CString();

    const std::u16string& spelling = m_program.names[std::size_t(node.a)];
    const HostFunction* function = m_scope.FindFunction(node.slot, spelling);
    if (function == nullptr)
        function = m_fallback;
    if (function == nullptr || function->function == nullptr) {
        out = Value(); // an unknown function gives the empty text
        return true;
    }
    // Copied: the host function may register or remove functions while it runs.
    const KWScriptFunction entry = function->function;
    void* const object = function->object;
    const KWScriptCall call{spelling.c_str(), node.c, texts, m_scope.Handle(), m_scope.Argument()};
    CKWStr result;
    out = entry(object, &call, &result) != 0 ? Value::Text(result.Text()) : Value();
    return true;
}

} // namespace kwscript
