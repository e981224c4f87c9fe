#include "runtime/InstanceLock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

using quillo::runtime::InstanceLock;

namespace {

class LockFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillo-lock-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::unique_ptr<InstanceLock> start() {
        return std::make_unique<InstanceLock>("rn418", folder);
    }
    std::string folder;
};

}  // namespace

TEST_F(LockFolder, TheFirstCopySeesNoPreviousInstance) {
    auto first = start();
    EXPECT_TRUE(first->held());
    EXPECT_FALSE(first->previousInstance());
}

TEST_F(LockFolder, ASecondCopySeesTheFirst) {
    auto first = start();
    auto second = start();
    EXPECT_TRUE(second->previousInstance());
}

TEST_F(LockFolder, ACopyStillSeesTheSecondOnceTheFirstHasEnded) {
    auto first = start();
    auto second = start();
    first.reset();
    auto third = start();
    EXPECT_TRUE(third->previousInstance());
}

TEST_F(LockFolder, NoCopyIsPreviousOnceAllHaveEnded) {
    start();
    start();
    EXPECT_FALSE(start()->previousInstance());
}

TEST_F(LockFolder, DifferentNamesDoNotSeeEachOther) {
    auto browser = start();
    InstanceLock other("other", folder);
    EXPECT_FALSE(other.previousInstance());
}

TEST(InstanceLockWithoutFolder, AnUnopenableLockSeesNoPreviousInstance) {
    InstanceLock lock("rn418", "/nonexistent-quillo-folder/deeper");
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.previousInstance());
}

TEST(InstanceLockFolder, IsTheRuntimeFolderWhenTheSessionHasOne) {
    const char* saved = getenv("XDG_RUNTIME_DIR");
    std::string restore = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    EXPECT_EQ(InstanceLock::DefaultLockDirectory(), "/run/user/4242");
    unsetenv("XDG_RUNTIME_DIR");
    std::string fallback = InstanceLock::DefaultLockDirectory();
    EXPECT_EQ(fallback, "/tmp/quillo-" + std::to_string(getuid()));
    EXPECT_TRUE(std::filesystem::is_directory(fallback));
    if (saved) setenv("XDG_RUNTIME_DIR", restore.c_str(), 1);
}
