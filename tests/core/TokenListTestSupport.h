// Reads every token of a list, for comparing a split with the tokens expected.
#pragma once

#include "core/KWTokenList.h"

#include <string>
#include <vector>

inline std::vector<std::u16string> TokensOf(const CKWTokenList& list) {
    std::vector<std::u16string> tokens;
    for (int i = 0; i < list.Count(); ++i)
        tokens.emplace_back(list.GetToken(i));
    return tokens;
}
