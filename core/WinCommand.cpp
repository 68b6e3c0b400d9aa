// KWWin: panes, window handles, memory figures and shell folders.
#include "HostCommands.h"
#include "MainSock.h"

#include "core/KWText.h"
#include "core/KWTokenList.h"
#include "services/KWHandleRegistry.h"
#include "services/KWShell.h"

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Memory figures in bytes, read from the kernel. Physical memory is RAM (MemTotal, MemAvailable); the
// "page file" is RAM plus swap, what can be committed; the virtual figures are this process's
// address space: its limit (RLIMIT_AS, or the 128 TiB of user space a 64-bit process has) and what
// it has mapped (VmSize).
struct MemoryFigures {
    uint64_t totalPhys = 0, availPhys = 0, totalPageFile = 0, availPageFile = 0, totalVirtual = 0,
             usedVirtual = 0;
};

uint64_t KiBField(const char* file, const std::string& field) {
    std::ifstream in(file);
    std::string name;
    uint64_t value = 0;
    while (in >> name) {
        if (name == field + ":") {
            in >> value;
            return value * 1024;
        }
        in.ignore(1 << 16, '\n');
    }
    return 0;
}

MemoryFigures ReadMemory() {
    MemoryFigures m;
    m.totalPhys = KiBField("/proc/meminfo", "MemTotal");
    m.availPhys = KiBField("/proc/meminfo", "MemAvailable");
    m.totalPageFile = m.totalPhys + KiBField("/proc/meminfo", "SwapTotal");
    m.availPageFile = m.availPhys + KiBField("/proc/meminfo", "SwapFree");
    rlimit limit{};
    m.totalVirtual = getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
                         ? uint64_t(limit.rlim_cur)
                         : uint64_t(1) << 47;
    m.usedVirtual = KiBField("/proc/self/status", "VmSize");
    return m;
}

CKWStr MemoryReport() {
    const MemoryFigures m = ReadMemory();
    const unsigned load = m.totalPhys != 0 ? unsigned((m.totalPhys - m.availPhys) * 100 / m.totalPhys) : 0;
    auto mb = [](uint64_t bytes) { return static_cast<unsigned long long>(bytes >> 20); };
    const uint64_t availVirtual = m.totalVirtual > m.usedVirtual ? m.totalVirtual - m.usedVirtual : 0;
    return CKWStr().Format(
        u"%u%%\nTotalPhys=%lluMB\nAvailPhys=%lluMB\nTotalPageFile=%lluMB\nAvailPageFile=%lluMB\n"
        u"TotalVirtual=%lluMB\nAvailVirtual=%lluMB\nUsedVirtual=%lluMB",
        load, mb(m.totalPhys), mb(m.availPhys), mb(m.totalPageFile), mb(m.availPageFile), mb(m.totalVirtual),
        mb(availVirtual), mb(m.usedVirtual));
}

CKWStr HandleText(KWHandleRole role) {
    CKWStr text;
    text.AppendHex(uint32_t(CKWHandleRegistry::Instance().Role(role)));
    return text;
}

} // namespace

int32_t KWWinCommand(int32_t, const char16_t* arguments, CKWStr& result, int32_t, int32_t) {
    result.Clear();
    const CKWTokenList tokens(arguments, 0, u',');
    if (tokens.TokenIs(0, u"/Show") || tokens.TokenIs(0, u"/Hide")) {
        return 0; // docking panes arrive with the window layouts
    } else if (tokens.TokenIs(0, u"/GetMainHandle")) {
        result = HandleText(KWHandleRole::MainWindow);
    } else if (tokens.TokenIs(0, u"/GetInstance")) {
        result = HandleText(KWHandleRole::Instance);
    } else if (tokens.TokenIs(0, u"/GetAppIcon")) {
        result = HandleText(KWHandleRole::AppIcon);
    } else if (tokens.TokenIs(0, u"/ActivatedWin")) {
        if (CMainSock* host = CMainSock::Instance()) {
            host->activatedWindow = ParseNumber(tokens.GetToken(1));
            host->reactivatePending = false;
        }
    } else if (tokens.TokenIs(0, u"/Memory")) {
        result = MemoryReport();
    } else if (tokens.TokenIs(0, u"/MemoryUsed")) {
        result.Format(u"%lluMB", static_cast<unsigned long long>(ReadMemory().usedVirtual >> 20));
    } else if (tokens.TokenIs(0, u"/OpenExplorer")) {
        KWShell().Open(tokens.GetToken(1));
    } else if (tokens.TokenIs(0, u"/OpenExplorerSelect")) {
        KWShell().ShowInFolder(tokens.GetToken(1));
    }
    return 0;
}
