#include <gtest/gtest.h>

#include "file_support.h"
#include "base/application_folders.h"

namespace vlt {
namespace {

using testing::ScopedEnvironment;

// The XDG folders when they are absolute, else the home folder's defaults; TMPDIR
// unless it is empty.
TEST(ApplicationFoldersTest, FollowTheEnvironmentWithFallBacks) {
    ScopedEnvironment home("HOME", "/home/ana");
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(ApplicationFolders::applicationDataFolder(), "/srv/data/Veltrano");
        ScopedEnvironment relative("XDG_DATA_HOME", "relative/path");
        EXPECT_EQ(ApplicationFolders::applicationDataFolder(), "/home/ana/.local/share/Veltrano");
        ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(ApplicationFolders::applicationConfigFolder(), "/home/ana/.config/Veltrano");
    }
    {
        ScopedEnvironment temporary("TMPDIR", "/var/tmp/ana");
        EXPECT_EQ(ApplicationFolders::temporaryFolder(), "/var/tmp/ana");
    }
    ScopedEnvironment temporary("TMPDIR", "");
    EXPECT_EQ(ApplicationFolders::temporaryFolder(), "/tmp");
}

}  // namespace
}  // namespace vlt
