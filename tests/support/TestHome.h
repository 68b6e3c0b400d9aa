// A home folder for tests: a new temporary folder with the XDG folders below it, made the HOME and
// XDG_* of this process.
#pragma once

#include <filesystem>

// Answers the folder, or an empty path when none could be made.
std::filesystem::path UseNewTestHome();
