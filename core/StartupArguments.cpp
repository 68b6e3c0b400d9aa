#include "StartupArguments.h"

#include "core/KWText.h"

KWStartupArguments KWStartupArguments::Parse(const std::vector<CKWStr>& arguments) {
    KWStartupArguments parsed;
    for (const CKWStr& argument : arguments) {
        const std::u16string& text = argument.Text();
        if (text.size() >= 2 && text[0] == u'/') {
            switch (text[1]) {
            case u'P': parsed.pause = true; break;
            case u'C':
                parsed.macroText = std::u16string_view(text).substr(2);
                parsed.hasMacroText = true;
                break;
            case u'B': parsed.messageLog = true; break;
            case u'D': parsed.resetLayout = true; break;
            case u'I': parsed.outOfSight = true; break;
            default: break; // R, T, L, E, K, V are accepted without effect; other letters are ignored
            }
            continue;
        }
        if (EndsWithNoCase(argument.c_str(), u".kwp5"))
            parsed.projectFile = argument;
        else if (EndsWithNoCase(argument.c_str(), u".kwgrp5"))
            parsed.groupFile = argument;
    }
    return parsed;
}
