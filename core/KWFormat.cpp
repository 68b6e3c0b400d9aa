// The formatter parses each conversion itself and hands numbers to the C library's snprintf with a
// narrow copy of the same conversion, so flags, width and precision behave exactly as in printf;
// texts are padded here, counting UTF-16 units.
#include "KWFormat.h"

#include "KWUnicode.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

enum class Length { None, HH, H, L, LL, J, Z, T, BigL };

struct Conversion {
    std::string flags;
    int width = -1;     // -1: none
    int precision = -1; // -1: none
    Length length = Length::None;
    char16_t kind = 0;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a width or precision: digits, or '*' taken from the arguments. A negative '*' width means
// left alignment; a negative '*' precision means none.
int ReadCount(const char16_t*& p, va_list& args, bool isWidth, std::string& flags) {
    if (*p == u'*') {
        ++p;
        int n = va_arg(args, int);
        if (n < 0 && isWidth) {
            flags.push_back('-');
            n = -n;
        }
        return n < 0 ? -1 : n;
    }
    int n = 0;
    while (IsDigit(*p))
        n = n * 10 + (*p++ - u'0');
    return n;
}

Length ReadLength(const char16_t*& p) {
    switch (*p) {
    case u'h':
        ++p;
        if (*p == u'h') {
            ++p;
            return Length::HH;
        }
        return Length::H;
    case u'l':
        ++p;
        if (*p == u'l') {
            ++p;
            return Length::LL;
        }
        return Length::L;
    case u'j': ++p; return Length::J;
    case u'z': ++p; return Length::Z;
    case u't': ++p; return Length::T;
    case u'L': ++p; return Length::BigL;
    default: return Length::None;
    }
}

std::string NarrowFormat(const Conversion& conv, const char* lengthText) {
    std::string format = "%" + conv.flags;
    if (conv.width >= 0)
        format += std::to_string(conv.width);
    if (conv.precision >= 0)
        format += "." + std::to_string(conv.precision);
    format += lengthText;
    format.push_back(char(conv.kind));
    return format;
}

template <typename T>
void AppendNumber(std::u16string& out, const Conversion& conv, const char* lengthText, T value) {
    const std::string format = NarrowFormat(conv, lengthText);
    char small[128];
    const int n = std::snprintf(small, sizeof small, format.c_str(), value);
    if (n < 0)
        return;
    std::string text;
    if (std::size_t(n) < sizeof small) {
        text.assign(small, std::size_t(n));
    } else {
        text.resize(std::size_t(n) + 1);
        std::snprintf(text.data(), text.size(), format.c_str(), value);
        text.resize(std::size_t(n));
    }
    out.append(text.begin(), text.end()); // numbers are ASCII
}

void AppendInteger(std::u16string& out, const Conversion& conv, va_list& args) {
    const bool isSigned = conv.kind == u'd' || conv.kind == u'i';
    switch (conv.length) {
    case Length::LL:
    case Length::J:
        if (isSigned)
            AppendNumber(out, conv, "ll", va_arg(args, long long));
        else
            AppendNumber(out, conv, "ll", va_arg(args, unsigned long long));
        break;
    case Length::L:
    case Length::Z:
    case Length::T:
        if (isSigned)
            AppendNumber(out, conv, "l", va_arg(args, long));
        else
            AppendNumber(out, conv, "l", va_arg(args, unsigned long));
        break;
    case Length::H: AppendNumber(out, conv, "h", va_arg(args, int)); break;
    case Length::HH: AppendNumber(out, conv, "hh", va_arg(args, int)); break;
    default:
        if (isSigned)
            AppendNumber(out, conv, "", va_arg(args, int));
        else
            AppendNumber(out, conv, "", va_arg(args, unsigned));
        break;
    }
}

void AppendPadded(std::u16string& out, const Conversion& conv, std::u16string_view text) {
    if (conv.precision >= 0 && text.size() > std::size_t(conv.precision))
        text = text.substr(0, std::size_t(conv.precision));
    const std::size_t pad =
        conv.width > 0 && std::size_t(conv.width) > text.size() ? std::size_t(conv.width) - text.size() : 0;
    const bool left = conv.flags.find('-') != std::string::npos;
    if (!left)
        out.append(pad, u' ');
    out.append(text);
    if (left)
        out.append(pad, u' ');
}

void AppendText(std::u16string& out, const Conversion& conv, va_list& args, bool narrow) {
    if (narrow) {
        const char* text = va_arg(args, const char*);
        AppendPadded(out, conv, text != nullptr ? Utf8ToUtf16(text) : u"(null)");
    } else {
        const char16_t* text = va_arg(args, const char16_t*);
        AppendPadded(out, conv, text != nullptr ? std::u16string_view(text) : u"(null)");
    }
}

void AppendPointer(std::u16string& out, const Conversion& conv, va_list& args) {
    const auto value = reinterpret_cast<uintptr_t>(va_arg(args, void*));
    Conversion hex;
    hex.kind = u'x';
    std::u16string digits = u"0x";
    AppendNumber(digits, hex, "ll", static_cast<unsigned long long>(value));
    AppendPadded(out, Conversion{conv.flags, conv.width, -1, Length::None, u's'}, digits);
}

} // namespace

void AppendFormatted(std::u16string& out, const char16_t* format, va_list args) {
    if (format == nullptr)
        return;
    va_list ap;
    va_copy(ap, args);
    for (const char16_t* p = format; *p != 0;) {
        if (*p != u'%') {
            out.push_back(*p++);
            continue;
        }
        const char16_t* const start = p++;
        if (*p == u'%') {
            out.push_back(u'%');
            ++p;
            continue;
        }
        Conversion conv;
        while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0')
            conv.flags.push_back(char(*p++));
        if (*p == u'*' || IsDigit(*p))
            conv.width = ReadCount(p, ap, true, conv.flags);
        if (*p == u'.') {
            ++p;
            conv.precision = ReadCount(p, ap, false, conv.flags);
        }
        conv.length = ReadLength(p);
        conv.kind = *p;
        switch (conv.kind) {
        case u'd':
        case u'i':
        case u'u':
        case u'o':
        case u'x':
        case u'X': AppendInteger(out, conv, ap); break;
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
        case u'a':
        case u'A':
            if (conv.length == Length::BigL)
                AppendNumber(out, conv, "L", va_arg(ap, long double));
            else
                AppendNumber(out, conv, "", va_arg(ap, double));
            break;
        case u'c': {
            const char16_t c = char16_t(va_arg(ap, int));
            AppendPadded(out, conv, std::u16string_view(&c, 1));
            break;
        }
        case u's': AppendText(out, conv, ap, conv.length == Length::H); break;
        case u'S': AppendText(out, conv, ap, true); break;
        case u'p': AppendPointer(out, conv, ap); break;
        case u'n':
            (void)va_arg(ap, void*); // writing through an argument is never honoured
            break;
        default:
            // Not a conversion: the text stands as written (a trailing '%' included).
            out.append(start, p + (*p != 0 ? 1 : 0));
            break;
        }
        if (*p != 0)
            ++p;
    }
    va_end(ap);
}
