// Command, notification and library names are matched without regard to ASCII case; listings sort
// them by their folded form.
#pragma once

#include "core/KWNoCase.h"

#include <string>
#include <string_view>

namespace kwlink {

inline std::u16string FoldedName(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded)
        c = FoldAsciiCase(c);
    return folded;
}

} // namespace kwlink
