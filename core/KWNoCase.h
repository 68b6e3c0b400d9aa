// Hashing and equality of names without regard to ASCII case, for tables keyed by command, key,
// value or callback names. Both take views, so a look-up with any text allocates nothing.
#pragma once

#include "KWText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const noexcept {
        std::size_t h = 14695981039346656037ull; // FNV-1a over the folded units
        for (const char16_t c : name)
            h = (h ^ FoldAsciiCase(c)) * 1099511628211ull;
        return h;
    }
};

struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const noexcept {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
                return false;
        return true;
    }
};

template <typename Value>
using NoCaseMap = std::unordered_map<std::u16string, Value, NoCaseHash, NoCaseEqual>;
