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
    ASSERT_FALSE(replaceFileAtomically(path, "first", 0644));
    ASSERT_FALSE(replaceFileAtomically(path, "second, longer", 0644));
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
    EXPECT_TRUE(replaceFileAtomically(folder / "blocked", "new", 0644));
    EXPECT_EQ(readText(path), "old");
    EXPECT_EQ(entryCount(folder), 2u);
    EXPECT_EQ(replaceFileAtomically(folder / "missing" / "x.json", "x", 0644), std::errc::no_such_file_or_directory);
}

TEST(AtomicFileTest, TheFileGetsTheModeAskedAndALinkStaysALinkToTheReplacedFile) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    std::filesystem::create_directory(folder / "dotfiles");
    writeText(folder / "dotfiles" / "kept.json", "old");
    std::filesystem::permissions(folder / "dotfiles" / "kept.json", std::filesystem::perms(0644));
    // A relative link to a relative link.
    std::filesystem::create_symlink("dotfiles/kept.json", folder / "inner.json");
    std::filesystem::create_symlink("inner.json", folder / "outer.json");
    const struct {
        std::filesystem::path written;
        std::filesystem::path file;
    } cases[] = {
        {folder / "dotfiles" / "kept.json", folder / "dotfiles" / "kept.json"},
        {folder / "outer.json", folder / "dotfiles" / "kept.json"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.written);
        FileIdentity written;
        ASSERT_FALSE(
            replaceFileAtomically(row.written, row.written.string(), 0600, FileIdentity::ofPath(row.file), &written));
        EXPECT_EQ(readText(row.file), row.written.string());
        EXPECT_EQ(std::filesystem::status(row.file).permissions(), std::filesystem::perms(0600));
        EXPECT_TRUE(written.isSameFile(FileIdentity::ofPath(row.file).value()));
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "outer.json"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "inner.json"));
    EXPECT_EQ(entryCount(folder / "dotfiles"), 1u);
}

// Only the caller's own file is written through a link, and only while the link still
// leads to that very file: any other link gives way to the new file in its place.
TEST(AtomicFileTest, ALinkToAnythingButTheCallersOwnFileGivesWayAndWhatItLeadsToIsLeftAsItWas) {
    QTemporaryDir temporary;
    const auto folder = folderOf(temporary);
    const auto elsewhere = folder / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    writeText(elsewhere / "notes", "someone else's");
    writeText(elsewhere / "own.json", "ours");
    const std::optional<FileIdentity> own = FileIdentity::ofPath(elsewhere / "own.json");
    // Ours once, since replaced by another file under the same name.
    writeText(elsewhere / "replaced.json", "ours");
    const std::optional<FileIdentity> replaced = FileIdentity::ofPath(elsewhere / "replaced.json");
    writeText(elsewhere / "other", "someone else's too");
    std::filesystem::rename(elsewhere / "other", elsewhere / "replaced.json");

    const struct {
        const char* link;
        const char* target;
        std::optional<FileIdentity> ownFile;
    } cases[] = {
        {"foreign.json", "elsewhere/notes", std::nullopt},
        {"not-own.json", "elsewhere/notes", own},
        {"swapped.json", "elsewhere/replaced.json", replaced},
        {"dangling.json", "elsewhere/new.json", own},
        {"loop.json", "loop.json", own},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.link);
        std::filesystem::create_symlink(row.target, folder / row.link);
        ASSERT_FALSE(replaceFileAtomically(folder / row.link, "new", 0600, row.ownFile));
        EXPECT_FALSE(std::filesystem::is_symlink(folder / row.link));
        EXPECT_EQ(readText(folder / row.link), "new");
    }
    EXPECT_EQ(readText(elsewhere / "notes"), "someone else's");
    EXPECT_EQ(readText(elsewhere / "replaced.json"), "someone else's too");
    EXPECT_EQ(readText(elsewhere / "own.json"), "ours");
    EXPECT_EQ(entryCount(elsewhere), 3u);
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
