// The main program of every test: each test process gets a home folder of its own (HOME and the XDG
// folders), removed at the end, so no test touches the real home or another test's files; windows use
// the offscreen platform.
#include "TestHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv) {
    const std::filesystem::path home = UseNewTestHome();
    if (home.empty())
        return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return status;
}
