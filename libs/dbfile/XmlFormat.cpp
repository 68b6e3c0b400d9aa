#include "XmlFormat.h"

#include "core/KWUnicode.h"

#include <pugixml.hpp>

#include <cstring>

namespace kwdb {

namespace {

constexpr char kRootElement[] = "kwdb";
constexpr char kFormatVersion[] = "1";

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Whether XML 1.0 can hold the unit at text[i] (surrogates only as well-formed pairs).
bool XmlCanHold(std::u16string_view text, std::size_t& i) {
    const char16_t c = text[i];
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    if (c == 0xFFFE || c == 0xFFFF)
        return false;
    if (!IsSurrogate(c))
        return true;
    if (c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        ++i;
        return true;
    }
    return false;
}

bool NeedsEscape(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!XmlCanHold(text, i))
            return true;
    return false;
}

// Texts with units XML cannot hold are written escaped: "\\" for a backslash, "\uHHHH" for such a unit.
std::u16string Escape(std::u16string_view text) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t start = i;
        if (text[i] == u'\\') {
            out += u"\\\\";
        } else if (XmlCanHold(text, i)) {
            out.append(text.substr(start, i - start + 1));
        } else {
            out += u"\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out.push_back(kHex[(text[i] >> shift) & 0xF]);
        }
    }
    return out;
}

bool Unescape(std::u16string_view text, std::u16string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'\\') {
            out.push_back(u'\\');
            ++i;
            continue;
        }
        if (i + 5 >= text.size() || text[i + 1] != u'u')
            return false;
        char16_t unit = 0;
        for (std::size_t k = i + 2; k < i + 6; ++k) {
            const char16_t c = text[k];
            const int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
            if (digit < 0)
                return false;
            unit = char16_t(unit * 16 + digit);
        }
        out.push_back(unit);
        i += 5;
    }
    return true;
}

// A text goes in attribute plain, or escaped in attribute escaped when XML cannot hold it as it is.
void SetText(pugi::xml_node node, const char* plain, const char* escaped, std::u16string_view text) {
    if (NeedsEscape(text))
        node.append_attribute(escaped).set_value(Utf16ToUtf8(Escape(text)).c_str());
    else
        node.append_attribute(plain).set_value(Utf16ToUtf8(text).c_str());
}

bool GetText(pugi::xml_node node, const char* plain, const char* escaped, std::u16string& text) {
    if (const pugi::xml_attribute attribute = node.attribute(escaped))
        return Unescape(Utf8ToUtf16(attribute.value()), text);
    text = Utf8ToUtf16(node.attribute(plain).value());
    return true;
}

void WriteContents(pugi::xml_node node, const Key& key) {
    for (const Value& value : key.values) {
        pugi::xml_node element = node.append_child("v");
        SetText(element, "n", "ne", value.name);
        SetText(element, "t", "te", value.text);
    }
    for (const auto& child : key.children) {
        pugi::xml_node element = node.append_child("key");
        SetText(element, "n", "ne", child->name);
        WriteContents(element, *child);
    }
}

bool ReadContents(pugi::xml_node node, Key& key, std::string& error) {
    for (pugi::xml_node element = node.first_child(); element; element = element.next_sibling()) {
        if (element.type() == pugi::node_comment)
            continue;
        const bool isValue = element.type() == pugi::node_element && std::strcmp(element.name(), "v") == 0;
        const bool isKey = element.type() == pugi::node_element && std::strcmp(element.name(), "key") == 0;
        if (!isValue && !isKey) {
            error = std::string("unexpected content at offset ") + std::to_string(element.offset_debug());
            return false;
        }
        if (isValue) {
            Value value;
            if (!GetText(element, "n", "ne", value.name) || !GetText(element, "t", "te", value.text)) {
                error = "bad escape in a value at offset " + std::to_string(element.offset_debug());
                return false;
            }
            key.values.push_back(std::move(value));
            continue;
        }
        auto child = std::make_unique<Key>();
        if (!GetText(element, "n", "ne", child->name)) {
            error = "bad escape in a key name at offset " + std::to_string(element.offset_debug());
            return false;
        }
        child->parent = &key;
        child->position = key.children.size();
        if (!ReadContents(element, *child, error))
            return false;
        key.children.push_back(std::move(child));
    }
    return true;
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

} // namespace

std::string WriteDocument(const Key& key, bool raw) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRootElement);
    root.append_attribute("version").set_value(kFormatVersion);
    SetText(root, "n", "ne", key.name);
    WriteContents(root, key);
    StringWriter writer;
    document.save(writer, " ", raw ? pugi::format_raw : pugi::format_indent, pugi::encoding_utf8);
    return std::move(writer.text);
}

std::unique_ptr<Key> ReadDocument(std::string_view utf8, std::string& error) {
    pugi::xml_document document;
    // Attribute values keep their characters as written: line ends and tabs arrive as references.
    const unsigned flags = pugi::parse_default & ~pugi::parse_wconv_attribute;
    const pugi::xml_parse_result parsed =
        document.load_buffer(utf8.data(), utf8.size(), flags, pugi::encoding_utf8);
    if (!parsed) {
        error = std::string(parsed.description()) + " at offset " + std::to_string(parsed.offset);
        return nullptr;
    }
    const pugi::xml_node root = document.document_element();
    if (std::strcmp(root.name(), kRootElement) != 0 ||
        std::strcmp(root.attribute("version").value(), kFormatVersion) != 0) {
        error = "not a tree database document of version 1";
        return nullptr;
    }
    auto key = std::make_unique<Key>();
    if (!GetText(root, "n", "ne", key->name) || !ReadContents(root, *key, error))
        return nullptr;
    return key;
}

} // namespace kwdb
