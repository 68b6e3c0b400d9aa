#include "FileAccess.h"

#include "core/KWUnicode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kwdb {

namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

bool ReadWholeFile(std::u16string_view path, std::string& content) {
    const std::string file = Utf16ToUtf8(path);
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    content.clear();
    content.reserve(std::size_t(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            close(fd);
            return false;
        }
        if (got == 0)
            break;
        content.append(buffer, std::size_t(got));
    }
    close(fd);
    return true;
}

bool ReplaceFile(std::u16string_view path, std::string_view content) {
    const std::string file = Utf16ToUtf8(path);
    if (file.empty())
        return false;
    const std::string temporary = file + ".kwtmp" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, content) && fsync(fd) == 0;
    if (close(fd) != 0 || !written || rename(temporary.c_str(), file.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace kwdb
