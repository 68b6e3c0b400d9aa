// The program's command line: switches "/<upper-case letter>[text]" and project or project-group
// files told by their extension.
#pragma once

#include "core/KWStr.h"

#include <vector>

struct KWStartupArguments {
    bool pause = false; // /P: "Startup pause." before the main window
    CKWStr macroText;   // /C<text>: posted to KWMacroExec once the application is up
    bool hasMacroText = false;
    bool messageLog = false;  // /B
    bool resetLayout = false; // /D
    bool outOfSight = false;  // /I: the window out of sight, no layouts, no questions on closing
    CKWStr projectFile;       // the last ".kwp5" named
    CKWStr groupFile;         // the last ".kwgrp5" named

    static KWStartupArguments Parse(const std::vector<CKWStr>& arguments);
};
