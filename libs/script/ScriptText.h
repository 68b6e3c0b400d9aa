// Texts of the script engine. Every value is a text; a text that reads completely as a decimal or "0x"
// hexadecimal integer is also a number. The reading is worked out once, whenever a text is set, so
// that arithmetic and comparisons on variables and literals never read digits again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kwscript {

// How a text reads as a 64-bit integer: an optional sign, then decimal digits or "0x" and up to 16
// hexadecimal digits (taken as the bits of the value), and nothing else. A decimal number too large
// for 64 bits is not a number.
struct NumberReading {
    bool isNumber = false;
    int64_t value = 0;
};
NumberReading ReadNumber(std::u16string_view text);

// Writes the decimal form of value and a null into digits; answers the number of units before the null.
std::size_t FormatNumber(int64_t value, char16_t (&digits)[22]);

// A text with its number reading.
class ScriptText {
public:
    ScriptText() = default;
    explicit ScriptText(std::u16string text) { Assign(std::move(text)); }

    void Assign(std::u16string_view text) {
        m_text.assign(text.data(), text.size());
        m_number = ReadNumber(m_text);
    }
    void Assign(std::u16string&& text) {
        m_text = std::move(text);
        m_number = ReadNumber(m_text);
    }
    const std::u16string& Text() const { return m_text; }
    const NumberReading& Number() const { return m_number; }

private:
    std::u16string m_text;
    NumberReading m_number;
};

// A reference-counted ScriptText, shared by variables and the values a running script holds, so that
// a text read from a variable stays valid while a host function changes that variable. The engine
// runs on one thread, so the count is a plain integer.
class TextRef {
public:
    TextRef() = default;
    static TextRef Make(std::u16string text) { return TextRef(new Node{1, ScriptText(std::move(text))}); }
    TextRef(const TextRef& other) : m_node(other.m_node) { Retain(); }
    TextRef(TextRef&& other) noexcept : m_node(std::exchange(other.m_node, nullptr)) {}
    TextRef& operator=(TextRef other) noexcept {
        std::swap(m_node, other.m_node);
        return *this;
    }
    ~TextRef() { Release(); }

    explicit operator bool() const { return m_node != nullptr; }
    const ScriptText& operator*() const { return m_node->text; }
    const ScriptText* operator->() const { return &m_node->text; }
    // The text to change in place; only when nothing else holds it.
    ScriptText* Mutable() { return m_node != nullptr && m_node->references == 1 ? &m_node->text : nullptr; }
    // Sets the text, in place when nothing else holds it, else as a text of its own.
    void Set(std::u16string_view text) {
        if (ScriptText* own = Mutable())
            own->Assign(text);
        else
            *this = Make(std::u16string(text));
    }

private:
    struct Node {
        uint32_t references;
        ScriptText text;
    };
    explicit TextRef(Node* node) : m_node(node) {}
    void Retain() {
        if (m_node != nullptr)
            ++m_node->references;
    }
    void Release() {
        if (m_node != nullptr && --m_node->references == 0)
            delete m_node;
    }

    Node* m_node = nullptr;
};

} // namespace kwscript
