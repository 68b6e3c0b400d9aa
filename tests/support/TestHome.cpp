#include "TestHome.h"

#include <cstdlib>
#include <string>
#include <utility>

std::filesystem::path UseNewTestHome() {
    char pattern[] = "/tmp/kwtest-home-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return {};
    const std::filesystem::path home = pattern;
    const std::pair<const char*, const char*> folders[] = {{"HOME", ""},
                                                           {"XDG_CONFIG_HOME", "/config"},
                                                           {"XDG_DATA_HOME", "/data"},
                                                           {"XDG_CACHE_HOME", "/cache"},
                                                           {"XDG_RUNTIME_DIR", "/runtime"},
                                                           {"XDG_DATA_DIRS", "/shared"}};
    for (const auto& [variable, sub] : folders) {
        std::filesystem::create_directories(home.string() + sub);
        setenv(variable, (home.string() + sub).c_str(), 1);
    }
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    return home;
}
