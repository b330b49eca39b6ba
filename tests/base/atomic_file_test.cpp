#include <sys/stat.h>

#include <gtest/gtest.h>

#include "file_support.h"
#include "base/atomic_file.h"
#include "base/exclusive_rename.h"
#include "base/file_contents.h"
#include "base/folder_creation.h"
#include "base/regular_file.h"

namespace vlt {
namespace {

using testing::entryCount;
using testing::folderOf;
using testing::readText;
using testing::writeText;

TEST(AtomicFileTest, WritesANewFileAndReplacesAnOldOneLeavingNoTemporaryFile) {
    QTemporaryDir temporary;
    const auto path = folderOf(temporary) / "settings.json";
    ASSERT_FALSE(replaceFileAtomically(path, "first"));
    ASSERT_FALSE(replaceFileAtomically(path, "second, longer"));
    EXPECT_EQ(readText(path), "second, longer");
    EXPECT_EQ(entryCount(folderOf(temporary)), 1u);
}

TEST(AtomicFileTest, FailureLeavesTheOldFileAndNoTemporaryFile) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    const auto path = folder / "settings.json";
    writeText(path, "old");
    // A folder in the way of the file makes the final rename fail.
    std::filesystem::create_directory(folder / "blocked");
    std::filesystem::create_directory(folder / "blocked" / "inside");
    EXPECT_TRUE(replaceFileAtomically(folder / "blocked", "new"));
    EXPECT_EQ(readText(path), "old");
    EXPECT_EQ(entryCount(folder), 2u);
    EXPECT_EQ(replaceFileAtomically(folder / "missing" / "x.json", "x"), std::errc::no_such_file_or_directory);
}

TEST(ExclusiveRenameTest, MovesOnlyWhenTheDestinationIsFree) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    writeText(folder / "a", "A");
    writeText(folder / "b", "B");
    EXPECT_EQ(renameWithoutReplacing(folder / "a", folder / "b"), std::errc::file_exists);
    EXPECT_EQ(readText(folder / "b"), "B");
    ASSERT_FALSE(renameWithoutReplacing(folder / "a", folder / "c"));
    EXPECT_EQ(readText(folder / "c"), "A");
    EXPECT_FALSE(std::filesystem::exists(folder / "a"));
}

TEST(FolderCreationTest, CreatesIntermediatesAcceptsAnExistingFolderAndRefusesAFile) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary) / "one" / "two" / "three";
    EXPECT_FALSE(createFolderWithIntermediates(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(createFolderWithIntermediates(folder));

    const auto taken = folderOf(temporary) / "taken";
    writeText(taken, "x");
    EXPECT_TRUE(createFolderWithIntermediates(taken));
    EXPECT_TRUE(createFolderWithIntermediates(taken / "below"));
}

TEST(FileContentsTest, ReadsWholeFilesWithinTheLimitAndRefusesTheRest) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    writeText(folder / "data", std::string(10000, 'x'));
    writeText(folder / "big", std::string(10001, 'x'));
    std::string contents;
    ASSERT_FALSE(readFileContents(folder / "data", 10000, contents));
    EXPECT_EQ(contents, std::string(10000, 'x'));

    contents = "unchanged";
    EXPECT_EQ(readFileContents(folder / "big", 10000, contents), std::errc::file_too_large);
    EXPECT_EQ(readFileContents(folder, 10000, contents), std::errc::is_a_directory);
    EXPECT_EQ(readFileContents(folder / "none", 10000, contents), std::errc::no_such_file_or_directory);
    // Neither waits for a writer that never comes.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(readFileContents(folder / "pipe", 10000, contents), std::errc::invalid_argument);
    EXPECT_EQ(RegularFile::check(folder / "pipe"), std::errc::invalid_argument);
    EXPECT_EQ(contents, "unchanged");
}

}  // namespace
}  // namespace vlt
