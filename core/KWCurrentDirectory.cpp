#include "KWCurrentDirectory.h"

#include "KWUnicode.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace {

// What the block holds. The process start time tells a block of this process from one left behind
// by an earlier process that had the same id.
struct SharedBlock {
    uint64_t processStart;
    std::recursive_mutex* lock;
};

uint64_t ProcessStartTime() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22, counted after the command name, which is in parentheses and may hold blanks.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::size_t pos = close + 2;
    for (int field = 3; field < 22; ++field) {
        pos = text.find(' ', pos);
        if (pos == std::string::npos)
            return 0;
        ++pos;
    }
    return std::strtoull(text.c_str() + pos, nullptr, 10);
}

class DirectoryGuard {
public:
    static DirectoryGuard& Instance() {
        static DirectoryGuard guard;
        return guard;
    }

    ~DirectoryGuard() {
        if (m_created)
            shm_unlink(m_name);
    }

    std::recursive_mutex* Lock() const { return m_shared; }
    const char* Name() const { return m_name; }
    std::vector<std::string>& Remembered() { return m_remembered; }

private:
    DirectoryGuard() {
        std::snprintf(m_name, sizeof m_name, "/KWX5CurDirMng_0x%lx", static_cast<unsigned long>(getpid()));
        const uint64_t start = ProcessStartTime();
        int fd = shm_open(m_name, O_RDWR | O_CREAT | O_EXCL, 0600);
        m_created = fd >= 0;
        if (fd < 0 && errno == EEXIST)
            fd = shm_open(m_name, O_RDWR, 0600);
        if (fd < 0)
            return;
        if (m_created && ftruncate(fd, sizeof(SharedBlock)) != 0) {
            close(fd);
            return;
        }
        void* map = mmap(nullptr, sizeof(SharedBlock), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (map == MAP_FAILED)
            return;
        auto* block = static_cast<SharedBlock*>(map);
        if (m_created || block->processStart != start || block->lock == nullptr) {
            block->processStart = start; // ours, or a stale one that we take over
            block->lock = &m_own;
            m_created = true;
        }
        m_shared = block->lock;
        munmap(map, sizeof(SharedBlock));
    }

    char m_name[64] = {};
    bool m_created = false;
    std::recursive_mutex m_own;
    std::recursive_mutex* m_shared = nullptr;
    std::vector<std::string> m_remembered;
};

std::string CurrentDirectory() {
    std::string path(PATH_MAX, '\0');
    if (getcwd(path.data(), path.size()) == nullptr)
        return {};
    path.resize(path.find('\0'));
    return path;
}

} // namespace

bool EnterCurrentDirectory(const char16_t* path) {
    DirectoryGuard& guard = DirectoryGuard::Instance();
    if (guard.Lock() != nullptr)
        guard.Lock()->lock();
    guard.Remembered().push_back(CurrentDirectory());
    return path != nullptr && chdir(Utf16ToUtf8(path).c_str()) == 0;
}

void LeaveCurrentDirectory() {
    DirectoryGuard& guard = DirectoryGuard::Instance();
    if (guard.Remembered().empty())
        return; // unbalanced: nothing to restore and no lock held
    const std::string previous = std::move(guard.Remembered().back());
    guard.Remembered().pop_back();
    // A folder that went away meanwhile leaves us where we are; the caller has nothing to fail.
    const bool restored = previous.empty() || chdir(previous.c_str()) == 0;
    (void)restored;
    if (guard.Lock() != nullptr)
        guard.Lock()->unlock();
}

bool HasSharedDirectoryLock() { return DirectoryGuard::Instance().Lock() != nullptr; }
const char* SharedDirectoryLockName() { return DirectoryGuard::Instance().Name(); }
