#include "app/image_folder_memory.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "base/file_support.h"

namespace vlt {
namespace {

using testing::readText;
using testing::writeText;

// The folder is kept in the configuration file; a link there to a file of someone
// else's gives way instead of that file being rewritten.
TEST(ImageFolderMemoryTest, ALinkToAForeignFileGivesWayAndTheFolderIsStillRemembered) {
    QTemporaryDir temporary;
    const std::filesystem::path folder = testing::folderOf(temporary);
    const std::string foreign = std::string("notes\n\0\x01\xff", 9) + std::string(3700, 'n');
    writeText(folder / "notes", foreign);
    std::filesystem::create_symlink(folder / "notes", folder / "Veltrano.conf");
    const QString path = QString::fromStdString((folder / "Veltrano.conf").string());

    ImageFolderMemory(path).remember(QStringLiteral("/home/ana/Pictures/shoot"));
    EXPECT_EQ(readText(folder / "notes"), foreign);
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Veltrano.conf"));
    EXPECT_EQ(ImageFolderMemory(path).recalled(), QStringLiteral("/home/ana/Pictures/shoot"));
}

}  // namespace
}  // namespace vlt
