#include "KWPath.h"

#include <string>
#include <vector>

namespace kwpath {

namespace {

std::vector<std::u16string_view> Segments(std::u16string_view path) {
    std::vector<std::u16string_view> segments;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            if (i > start)
                segments.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return segments;
}

// The segments of an absolute path with "." dropped and ".." resolved (never above the root).
std::vector<std::u16string_view> Resolved(std::u16string_view path) {
    std::vector<std::u16string_view> kept;
    for (const std::u16string_view segment : Segments(path)) {
        if (segment == u".")
            continue;
        if (segment == u"..") {
            if (!kept.empty())
                kept.pop_back();
            continue;
        }
        kept.push_back(segment);
    }
    return kept;
}

} // namespace

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

bool IsAbsolute(std::u16string_view path) { return !path.empty() && IsSeparator(path.front()); }

CKWStr WithSlashes(std::u16string_view path) {
    std::u16string text(path);
    for (char16_t& c : text)
        if (c == u'\\')
            c = u'/';
    return CKWStr(std::move(text));
}

CKWStr WithTrailingSeparator(std::u16string_view folder) {
    CKWStr text = WithSlashes(folder);
    if (text.IsEmpty() || text.Text().back() != u'/')
        text += u'/';
    return text;
}

CKWStr WithoutTrailingSeparator(std::u16string_view path) {
    CKWStr text = WithSlashes(path);
    std::u16string_view view = text.View();
    while (view.size() > 1 && view.back() == u'/')
        view.remove_suffix(1);
    return CKWStr(view);
}

CKWStr Join(std::u16string_view folder, std::u16string_view name) {
    while (!name.empty() && IsSeparator(name.front()))
        name.remove_prefix(1);
    CKWStr joined = WithTrailingSeparator(folder);
    joined += WithSlashes(name).View();
    return joined;
}

std::optional<CKWStr> Combine(std::u16string_view base, std::u16string_view name) {
    if (base.empty() || name.empty())
        return std::nullopt;
    if (IsAbsolute(name))
        return WithSlashes(name);
    if (name.front() != u'.')
        return Join(base, name);
    std::u16string buffer = WithoutTrailingSeparator(base).Text();
    if (buffer.empty())
        return std::nullopt;
    if (buffer.back() != u'/')
        buffer += u'/';
    const std::size_t firstFolderEnd = buffer.find(u'/', IsAbsolute(buffer) ? 1 : 0);
    bool segmentStart = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (segmentStart && name.substr(i, 2) == u".." && i + 2 < name.size() && IsSeparator(name[i + 2])) {
            // Up one folder: drop the last folder of the buffer, never the first one.
            const std::size_t last = buffer.rfind(u'/', buffer.size() - 2);
            if (last != std::u16string::npos && firstFolderEnd != std::u16string::npos &&
                last >= firstFolderEnd)
                buffer.erase(last + 1);
            i += 2;
            continue;
        }
        if (segmentStart && c == u'.' && i + 1 < name.size() && IsSeparator(name[i + 1])) {
            ++i;
            continue;
        }
        buffer += IsSeparator(c) ? u'/' : c;
        segmentStart = IsSeparator(c);
    }
    while (buffer.size() > 1 && buffer.back() == u'/')
        buffer.pop_back();
    return CKWStr(std::move(buffer));
}

std::optional<CKWStr> Relative(std::u16string_view base, std::u16string_view file) {
    if (!IsAbsolute(base) || !IsAbsolute(file))
        return std::nullopt;
    const auto from = Resolved(base), to = Resolved(file);
    std::size_t common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common])
        ++common;
    std::u16string relative;
    for (std::size_t i = common; i < from.size(); ++i)
        relative += u"../";
    for (std::size_t i = common; i < to.size(); ++i) {
        relative += to[i];
        if (i + 1 < to.size())
            relative += u'/';
    }
    if (relative.empty())
        relative = u".";
    else if (relative.back() == u'/')
        relative.pop_back();
    return CKWStr(std::move(relative));
}

CKWStr Normalized(std::u16string_view absolutePath) {
    std::u16string text;
    for (const std::u16string_view segment : Resolved(absolutePath)) {
        text += u'/';
        text += segment;
    }
    return CKWStr(text.empty() ? std::u16string(u"/") : text);
}

bool SamePath(std::u16string_view a, std::u16string_view b) {
    if (IsAbsolute(a) != IsAbsolute(b))
        return false;
    return IsAbsolute(a) ? Normalized(a) == Normalized(b) : Segments(a) == Segments(b);
}

} // namespace kwpath
