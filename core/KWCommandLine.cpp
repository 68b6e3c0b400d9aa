#include "KWCommandLine.h"

#include "KWText.h"
#include "KWTokenList.h"

KWCommandLine SplitCommandLine(const char16_t* line) {
    if (line == nullptr)
        return {};
    while (IsBlank(*line))
        ++line;
    const CKWTokenList tokens(line, 2, u' ');
    return {CKWStr(tokens.GetToken(0)), CKWStr(tokens.GetToken(1))};
}
