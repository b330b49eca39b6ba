#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/image_io/image_source.h"
#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

const QRgb kA = qRgb(10, 20, 30);
const QRgb kB = qRgb(200, 100, 50);
const QRgb kC = qRgb(0, 255, 128);
const QRgb kNone = qRgb(0, 0, 0);
// The palette [A, B, C] in four- and three-byte entries.
const QByteArray kPalette("\x1E\x14\x0A\0\x32\x64\xC8\0\x80\xFF\0\0", 12);
const QByteArray kOldPalette("\x1E\x14\x0A\x32\x64\xC8\x80\xFF\0", 9);

struct Case {
    const char* name;
    QByteArray file;
    int width;
    // Row by row from the top.
    QList<QRgb> expected;
};

// Rows are stored from the bottom up unless the height is negative.
const Case kCases[] = {
    {"1 bit", test::bmpBytes(3, 2, 1, 0, kPalette, QByteArray("\xA0\0\0\0\x40\0\0\0", 8)), 3, {kA, kB, kA, kB, kA, kB}},
    {"4 bits",
     test::bmpBytes(3, 2, 4, 0, kPalette, QByteArray("\x21\0\0\0\x01\x20\0\0", 8)),
     3,
     {kA, kB, kC, kC, kB, kA}},
    {"8 bits, oldest header",
     test::bmpBytes(3, 2, 8, 0, kOldPalette, QByteArray("\2\1\0\0\0\1\2\0", 8), 12),
     3,
     {kA, kB, kC, kC, kB, kA}},
    {"8-bit runs and a literal stretch",
     test::bmpBytes(3, 2, 8, 1, kPalette, QByteArray("\2\2\1\1\0\0\0\3\0\1\2\0\0\1", 14)),
     3,
     {kA, kB, kC, kC, kC, kB}},
    {"4-bit runs and a literal stretch",
     test::bmpBytes(3, 2, 4, 2, kPalette, QByteArray("\3\x21\0\0\0\3\x01\x20\0\1", 10)),
     3,
     {kA, kB, kC, kC, kB, kC}},
    {"runs with a jump up and right",
     test::bmpBytes(3, 2, 8, 1, kPalette, QByteArray("\1\2\0\2\1\1\1\1\0\1", 10)),
     3,
     {kNone, kNone, kB, kC, kNone, kNone}},
    {"16 bits",
     test::bmpBytes(2, 1, 16, 0, {}, QByteArray("\x00\x7C\xE0\x03", 4)),
     2,
     {qRgb(255, 0, 0), qRgb(0, 255, 0)}},
    {"16 bits, 5-6-5",
     test::bmpBytes(2, 1, 16, 3, QByteArray("\0\xF8\0\0\xE0\x07\0\0\x1F\0\0\0", 12), QByteArray("\0\xF8\xE0\x07", 4)),
     2,
     {qRgb(255, 0, 0), qRgb(0, 255, 0)}},
    {"24 bits, top down", test::bmpBytes(1, -2, 24, 0, {}, QByteArray("\x1E\x14\x0A\0\x32\x64\xC8\0", 8)), 1, {kA, kB}},
    {"32 bits", test::bmpBytes(1, 1, 32, 0, {}, QByteArray("\x1E\x14\x0A\x99", 4)), 1, {kA}},
    {"32 bits with alpha",
     test::bmpBytes(1, 1, 32, 3, {}, QByteArray("\x32\x64\xC8\x80", 4), 108, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}),
     1,
     {qRgba(200, 100, 50, 128)}},
};

TEST(BmpFileTest, EveryLayoutDecodesToItsPixels) {
    QTemporaryDir folder;
    for (const Case& row : kCases) {
        SCOPED_TRACE(row.name);
        const QString path = folder.filePath(QString::fromLatin1(row.name));
        ASSERT_TRUE(test::writeFile(path, row.file));
        const auto decoded = ImageSource::open(path.toStdString()).value().thumbnail(100);
        ASSERT_TRUE(decoded.ok());
        ASSERT_EQ(decoded.value().width() * decoded.value().height(), row.expected.size());
        for (qsizetype index = 0; index < row.expected.size(); ++index) {
            const QColor pixel = decoded.value().pixelColor(int(index % row.width), int(index / row.width));
            EXPECT_TRUE(test::coloursNear(pixel, QColor::fromRgba(row.expected[index]), 1)) << index;
            EXPECT_EQ(pixel.alpha(), qAlpha(row.expected[index]));
        }
    }

    // Run-length data that stops inside the picture is damage.
    const QByteArray& whole = kCases[3].file;
    ASSERT_TRUE(test::writeFile(folder.filePath("cut.bmp"), whole.left(whole.size() - 8)));
    EXPECT_EQ(ImageSource::open(folder.filePath("cut.bmp").toStdString()).value().thumbnail(100).error(),
              ImageSourceFailure::decodeFailed);
}

}  // namespace
}  // namespace vlt
