#include "core/KWCurrentDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string Cwd() { return std::filesystem::current_path().string(); }

TEST(CurrentDirectory, PairsNestAndRestoreTheDirectory) {
    const std::string start = Cwd();
    const std::filesystem::path outer = std::filesystem::temp_directory_path();
    const std::filesystem::path inner = std::filesystem::path("/");
    EXPECT_TRUE(EnterCurrentDirectory(outer.u16string().c_str()));
    EXPECT_EQ(Cwd(), std::filesystem::canonical(outer).string());
    EXPECT_TRUE(EnterCurrentDirectory(inner.u16string().c_str()));
    EXPECT_EQ(Cwd(), "/");
    LeaveCurrentDirectory();
    EXPECT_EQ(Cwd(), std::filesystem::canonical(outer).string());
    LeaveCurrentDirectory();
    EXPECT_EQ(Cwd(), start);

    EXPECT_FALSE(EnterCurrentDirectory(u"/nonexistent/folder"));
    EXPECT_EQ(Cwd(), start);
    LeaveCurrentDirectory();
    LeaveCurrentDirectory(); // unbalanced: harmless
    EXPECT_EQ(Cwd(), start);
}

TEST(CurrentDirectory, SharedBlockIsNamedAfterTheProcessAndAStaleOneIsTakenOver) {
    char name[64];
    std::snprintf(name, sizeof name, "/KWX5CurDirMng_0x%lx", static_cast<unsigned long>(getpid()));
    // A block left by an earlier process with the same id, holding an address that means nothing now.
    const int fd = shm_open(name, O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 64), 0);
    void* map = mmap(nullptr, 64, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ASSERT_NE(map, MAP_FAILED);
    static_cast<uint64_t*>(map)[0] = 1;
    static_cast<uint64_t*>(map)[1] = 0xdeadbeef;
    munmap(map, 64);
    close(fd);

    EXPECT_STREQ(SharedDirectoryLockName(), name);
    EXPECT_TRUE(HasSharedDirectoryLock());
    EXPECT_TRUE(EnterCurrentDirectory(u"/"));
    LeaveCurrentDirectory();
}

} // namespace
