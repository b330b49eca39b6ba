#include <array>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/regular_file.h"
#include "file_support.h"

namespace vlt {
namespace {

using testing::folderOf;
using testing::writeText;

TEST(RegularFileTest, OnlyARegularFileOpensAndNothingElseIsWaitedOn) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    writeText(folder / "photo.jpg", "0123456789");
    std::filesystem::create_symlink(folder / "photo.jpg", folder / "link.jpg");
    // Nobody ever writes into the pipe: an ordinary open would wait for a writer for ever.
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    const struct {
        std::filesystem::path path;
        int error;
    } cases[] = {
        {folder / "photo.jpg", 0},     {folder / "link.jpg", 0}, {folder, EISDIR},
        {folder / "pipe.jpg", EINVAL}, {"/dev/zero", EINVAL},    {folder / "none.jpg", ENOENT},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.path);
        RegularFile file;
        EXPECT_EQ(RegularFile::open(row.path, file).value(), row.error);
        EXPECT_EQ(RegularFile::check(row.path).value(), row.error);
        EXPECT_EQ(file.isOpen(), row.error == 0);
    }
}

TEST(RegularFileTest, ReadsAtAnOffsetAndStopsAtTheEnd) {
    QTemporaryDir temporary;
    writeText(folderOf(temporary) / "photo.jpg", "0123456789");
    RegularFile file;
    ASSERT_FALSE(RegularFile::open(folderOf(temporary) / "photo.jpg", file));
    EXPECT_EQ(file.size(), 10u);
    std::array<unsigned char, 8> buffer{};
    EXPECT_EQ(file.readAt(6, buffer), 4u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 4), "6789");
    EXPECT_EQ(file.readAt(20, buffer), 0u);
    EXPECT_EQ(file.readAt(~std::uint64_t(0) - 2, buffer), 0u);
}

}  // namespace
}  // namespace vlt
