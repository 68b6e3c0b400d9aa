#include "KWModuleFolder.h"

#include <dlfcn.h>

const std::string& ProgramFolder() {
    static const std::string folder = [] {
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(&ProgramFolder), &info) == 0 || info.dli_fname == nullptr)
            return std::string(".");
        const std::string file = info.dli_fname;
        const auto slash = file.rfind('/');
        return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
    }();
    return folder;
}
