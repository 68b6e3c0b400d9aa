#include "KWModuleFolder.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

const std::string& ProgramFolder() {
    static const std::string folder = [] {
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(&ProgramFolder), &info) == 0 || info.dli_fname == nullptr)
            return std::string(".");
        char resolved[PATH_MAX];
        const std::string file = realpath(info.dli_fname, resolved) != nullptr ? resolved : info.dli_fname;
        const auto slash = file.rfind('/');
        return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
    }();
    return folder;
}
