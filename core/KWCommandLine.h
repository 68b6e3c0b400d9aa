// A full command line, "<name> <argument text>", as timers, Esc-key call-backs, menus and toolbars
// hold it. The bus carries the two parts separately and only the serving handler parses the
// arguments.
#pragma once

#include "KWCoreExport.h"
#include "KWStr.h"

struct KWCommandLine {
    CKWStr name;
    CKWStr arguments; // leading blanks skipped, the rest verbatim
};

// Splits line at the first run of blanks. Blanks before the name are skipped, so that an indented
// line still names its command.
KWCORE_API KWCommandLine SplitCommandLine(const char16_t* line);
