#include "output/still/still_image_file_naming.h"

#include <gtest/gtest.h>

#include <fstream>

#include <QTemporaryDir>
#include <QTimeZone>

#include "output/still/still_image_output_failure.h"
#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

const QString kEnterBase = QStringLiteral("Enter a base filename.");
const QString kBaseTooLong = QStringLiteral("The base filename must be 180 characters or fewer.");
const QString kInvalidBase = QStringLiteral("Enter a valid system filename without a path separator.");
const QString kDotBase = QStringLiteral("The base filename cannot be “.” or “..”.");
const QString kControlInBase =
    QStringLiteral("The base filename cannot contain line breaks, tabs or other control characters.");
const QString kBaseBytes = QStringLiteral("The base filename is too long for the file system.");
const QString kFolderTooLong = QStringLiteral("The subfolder name must be 255 characters or fewer.");
const QString kInvalidFolder = QStringLiteral("Enter a valid system folder name without a path separator.");
const QString kDotFolder = QStringLiteral("The subfolder name cannot be “.” or “..”.");
const QString kControlInFolder =
    QStringLiteral("The subfolder name cannot contain line breaks, tabs or other control characters.");
const QString kFolderBytes = QStringLiteral("The subfolder name is too long for the file system.");

QString repeated(const char* text, int count) { return QString::fromUtf8(text).repeated(count); }

TEST(StillImageFileNamingTest, BaseAndSubfolderNamesFollowTheirRules) {
    // Each CJK character takes three bytes: 78 leave room for "-v999-comparison.jpg".
    const std::vector<std::tuple<QString, std::optional<QString>, std::optional<QString>>> cases = {
        {QString(), kEnterBase, std::nullopt},
        {QStringLiteral(" \n "), kEnterBase, std::nullopt},
        {repeated("a", 180), std::nullopt, std::nullopt},
        {QStringLiteral("  ") + repeated("a", 180) + QStringLiteral(" "), std::nullopt, std::nullopt},
        {repeated("a", 181), kBaseTooLong, std::nullopt},
        {repeated("a", 256), kBaseTooLong, kFolderTooLong},
        {QStringLiteral("."), kDotBase, kDotFolder},
        {QStringLiteral(".."), kDotBase, kDotFolder},
        {QStringLiteral("..."), std::nullopt, std::nullopt},
        {QStringLiteral("a/b"), kInvalidBase, kInvalidFolder},
        {QStringLiteral("a:b"), kInvalidBase, kInvalidFolder},
        {QString::fromUtf8("a\0b", 3), kControlInBase, kControlInFolder},
        {QStringLiteral("a\tb"), kControlInBase, kControlInFolder},
        {repeated("写", 78), std::nullopt, std::nullopt},
        {repeated("写", 79), kBaseBytes, std::nullopt},
        {repeated("写", 85), kBaseBytes, std::nullopt},
        {repeated("写", 86), kBaseBytes, kFolderBytes},
    };
    for (const auto& [text, baseMessage, folderMessage] : cases) {
        SCOPED_TRACE(text.left(12).toStdString());
        EXPECT_EQ(StillImageFileNaming::baseNameValidationMessage(text), baseMessage);
        EXPECT_EQ(StillImageFileNaming::subfolderValidationMessage(text), folderMessage);
    }
}

TEST(StillImageFileNamingTest, TheVersionSearchCountsEveryKindOfTheSameExtension) {
    QTemporaryDir folder;
    const std::filesystem::path path = folder.path().toStdString();
    test::ScriptedFileSystem fileSystem;
    auto version = [&](StillImageFileFormat format) {
        return StillImageFileNaming::firstAvailableVersion(path, QStringLiteral("Name"), format, fileSystem);
    };
    EXPECT_EQ(version(StillImageFileFormat::jpeg).value(), 1);
    std::ofstream(path / "Name-v01-comparison.jpg") << "x";
    std::filesystem::create_symlink(path / "missing", path / "Name-v02-simulation.jpg");
    std::ofstream(path / "Name-v01-original.png") << "x";
    EXPECT_EQ(version(StillImageFileFormat::jpeg).value(), 3);
    EXPECT_EQ(version(StillImageFileFormat::png).value(), 2);

    for (int taken = 2; taken <= 999; ++taken) {
        std::ofstream(path / StillImageFileNaming::fileName(QStringLiteral("Name"), StillImageKind::simulation,
                                                            StillImageFileFormat::png, taken)
                                 .toStdString());
    }
    EXPECT_EQ(stillImageOutputFailureCase(version(StillImageFileFormat::png).error()),
              StillImageOutputFailure::Case::noAvailableFilename);
    EXPECT_EQ(stillImageOutputFailureCase(StillImageFileNaming::firstAvailableVersion(
                                              path, QStringLiteral("a/b"), StillImageFileFormat::png, fileSystem)
                                              .error()),
              StillImageOutputFailure::Case::invalidBaseName);
}

TEST(StillImageFileNamingTest, DefaultNamesAreMadeFromTheSanitisedStemAndTheDate) {
    const QDateTime date(QDate(2026, 3, 5), QTime(12, 0), QTimeZone::systemTimeZone());
    auto named = [&](const char* path) { return StillImageFileNaming::defaultBaseName(QString::fromUtf8(path), date); };
    EXPECT_EQ(named("/photos/Portrait.final.jpg"), QStringLiteral("Portrait.final-2026-03-05"));
    EXPECT_EQ(named("/photos/a:b.jpg"), QStringLiteral("a_b-2026-03-05"));
    EXPECT_EQ(named("/photos/   .jpg"), QStringLiteral("VLT-2026-03-05"));
    EXPECT_EQ(named("/photos/.hidden"), QStringLiteral(".hidden-2026-03-05"));
    EXPECT_EQ(StillImageFileNaming::sanitizedStem(QStringLiteral(" a\u0001b ")), QStringLiteral("a_b"));
    EXPECT_EQ(StillImageFileNaming::sanitizedStem(QStringLiteral(" : ")), QStringLiteral("_"));
    const QString longName = StillImageFileNaming::defaultBaseName(repeated("x", 400) + ".jpg", date);
    EXPECT_EQ(longName, repeated("x", 169) + QStringLiteral("-2026-03-05"));
}

// The dialog's tests take the bounds, a plus sign, blanks and decimals through its fields.
TEST(StillImageFileNamingTest, SizeTextsRefuseInnerBlanksMinusSignsOtherDigitsAndOverflow) {
    for (const char* text : {"1 2", "-3", "١٢", "99999999999999999999"}) {
        EXPECT_EQ(StillImageFileNaming::parseDimensionText(QString::fromUtf8(text), 1, 4096), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace vlt
