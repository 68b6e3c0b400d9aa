// The main program of every test: each test process gets a home folder of its own (HOME and the XDG
// folders), removed at the end, so no test touches the real home or another test's files; windows use
// the offscreen platform.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv) {
    char pattern[] = "/tmp/kwtest-home-XXXXXX";
    const char* home = mkdtemp(pattern);
    if (home == nullptr)
        return 2;
    const std::pair<const char*, const char*> folders[] = {{"HOME", ""},
                                                           {"XDG_CONFIG_HOME", "/config"},
                                                           {"XDG_DATA_HOME", "/data"},
                                                           {"XDG_CACHE_HOME", "/cache"},
                                                           {"XDG_RUNTIME_DIR", "/runtime"}};
    for (const auto& [variable, sub] : folders) {
        const std::string folder = std::string(home) + sub;
        std::filesystem::create_directories(folder);
        setenv(variable, folder.c_str(), 1);
    }
    chmod((std::string(home) + "/runtime").c_str(), 0700);
    setenv("XDG_DATA_DIRS", (std::string(home) + "/shared").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return status;
}
