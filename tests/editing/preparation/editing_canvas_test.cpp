#include "editing/preparation/editing_canvas.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <QColorSpace>
#include <QFile>
#include <QTemporaryDir>

#include "editing/preparation/preparation_test_support.h"
#include "platform/image_io/test_image_fixtures.h"

namespace vlt {
namespace {

using Case = EditingCanvasPreparationFailure::Case;

// A crop chosen on the crop screen, turned, for a canvas of at most `maximum` pixels a side.
struct CropCase {
    const char* name;
    ImageRect crop;
    int turns;
    std::int64_t maximum;

    void selectIn(CropDocument& document) const {
        CropSelection selection = document.selection();
        selection.clockwiseQuarterTurns = turns;
        selection.crop = crop;
        document.setSelection(selection);
    }
};

class EditingCanvasPreparation : public ::testing::Test {
protected:
    QString path(const QString& name) const { return directory_.filePath(name); }

    static std::optional<Case> preparationFailure(const EditingCanvasDescriptor& descriptor) {
        auto canvas = EditingCanvas::prepare(descriptor);
        if (canvas.ok()) return std::nullopt;
        return canvas.error().failureCase();
    }

    static EditingCanvasDescriptor descriptorOf(const CropDocument& document, std::int64_t maximum = 4096) {
        auto descriptor = EditingCanvasDescriptor::make(document, maximum);
        EXPECT_TRUE(descriptor.ok());
        return descriptor.value();
    }

    QTemporaryDir directory_;
};

TEST_F(EditingCanvasPreparation, RendersExactlyTheCanvasSizeInSRGB) {
    ASSERT_TRUE(test::writeWithVips(test::fourColourImage(300, 200), path("wide.png")));
    const auto document = test::openDocument(path("wide.png"));
    ASSERT_TRUE(document);
    const auto descriptor = descriptorOf(*document, 200);
    EXPECT_EQ(descriptor.canvasSize, (ImageSize{200, 133}));

    auto canvas = EditingCanvas::prepare(descriptor);
    ASSERT_TRUE(canvas.ok());
    const QImage& image = canvas.value()->image();
    EXPECT_EQ(image.size(), QSize(200, 133));
    EXPECT_EQ(image.format(), QImage::Format_RGBA8888_Premultiplied);
    EXPECT_TRUE(image.colorSpace() == QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(canvas.value()->descriptor(), descriptor);
    EXPECT_FALSE(canvas.value()->id().isNull());
    EXPECT_NE(EditingCanvas::prepare(descriptor).value()->id(), canvas.value()->id());
}

TEST_F(EditingCanvasPreparation, StretchesTheCropOntoTheCanvasAxisByAxis) {
    ASSERT_TRUE(test::writeWithVips(test::fourColourImage(400, 200), path("quadrants.png")));
    const auto document = test::openDocument(path("quadrants.png"));
    ASSERT_TRUE(document);
    CropSelection selection = document->selection();
    selection.crop = {150, 50, 100, 100};  // the meeting point of the four quadrants
    document->setSelection(selection);
    EditingCanvasDescriptor descriptor = descriptorOf(*document);
    descriptor.canvasSize = {60, 20};

    const QImage image = EditingCanvas::prepare(descriptor).value()->image();
    ASSERT_EQ(image.size(), QSize(60, 20));
    EXPECT_TRUE(test::coloursNear(image.pixelColor(5, 2), test::kTopLeftColour, 8));
    EXPECT_TRUE(test::coloursNear(image.pixelColor(54, 2), test::kTopRightColour, 8));
    EXPECT_TRUE(test::coloursNear(image.pixelColor(54, 17), test::kBottomRightColour, 8));
    EXPECT_TRUE(test::coloursNear(image.pixelColor(5, 17), test::kBottomLeftColour, 8));
}

// The file is opened, then changed behind the user's back before the canvas is prepared.
TEST_F(EditingCanvasPreparation, ASourceChangedAfterOpeningIsRecognised) {
    const QByteArray png = test::pngBytes(test::fourColourImage(60, 40));
    const QByteArray jpeg = test::jpegBytes(test::fourColourImage(256, 256));
    struct Change {
        const char* name;
        QByteArray opened;
        std::optional<QByteArray> replacement;  // none: the file is deleted
        std::optional<Case> expected;
    };
    const Change changes[] = {
        {"rewritten with the same picture", png, png, std::nullopt},
        {"another size", png, test::pngBytes(test::fourColourImage(61, 40)), Case::sourceChanged},
        {"another format", png, test::jpegBytes(test::fourColourImage(60, 40)), Case::sourceChanged},
        {"another orientation", test::withExifOrientation(jpeg, 3), test::withExifOrientation(jpeg, 1),
         Case::sourceChanged},
        {"an unsupported picture", png, QByteArray("GIF89a\x01\0\x01\0\0\0\0;", 14), Case::sourceChanged},
        {"text", png, QByteArray("overwritten by text"), Case::sourceUnavailable},
        {"deleted", png, std::nullopt, Case::sourceUnavailable},
        {"damaged", jpeg, jpeg.left(jpeg.size() / 2), Case::decodeFailed},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        const QString file = path(QString::fromLatin1(c.name));
        ASSERT_TRUE(test::writeFile(file, c.opened));
        const auto document = test::openDocument(file);
        ASSERT_TRUE(document);
        const auto descriptor = descriptorOf(*document);
        if (c.replacement) {
            ASSERT_TRUE(test::writeFile(file, *c.replacement));
        } else {
            ASSERT_TRUE(QFile::remove(file));
        }
        EXPECT_EQ(preparationFailure(descriptor), c.expected);
    }
}

// Without a fingerprint the source check is skipped; a crop outside the source or a
// canvas beyond the limits is still refused.
TEST_F(EditingCanvasPreparation, WithoutAFingerprintTheCheckIsSkippedButNotTheCropAndSizeChecks) {
    ASSERT_TRUE(test::writeFile(path("face.png"), test::pngBytes(test::fourColourImage(60, 40))));
    const auto document = test::openDocument(path("face.png"));
    ASSERT_TRUE(document);
    EditingCanvasDescriptor descriptor = descriptorOf(*document);
    descriptor.sourceFingerprint.reset();
    ASSERT_TRUE(test::writeFile(path("face.png"), test::pngBytes(test::fourColourImage(80, 40))));
    auto canvas = EditingCanvas::prepare(descriptor);
    ASSERT_TRUE(canvas.ok());
    EXPECT_EQ(canvas.value()->image().size(), QSize(60, 40));
    descriptor.sourceCrop = {80, 0, 10, 10};
    EXPECT_EQ(preparationFailure(descriptor), Case::invalidCrop);
    descriptor.sourceCrop = {0, 0, 60, 40};
    descriptor.canvasSize = {20'000'000, 40};
    EXPECT_EQ(preparationFailure(descriptor), Case::invalidCrop);
}

// Every stored orientation, with every quarter turn and mirror the user can choose,
// must give a canvas whose corners show what the crop screen showed.
TEST_F(EditingCanvasPreparation, OrientationTableTurnsEveryCornerIntoPlace) {
    const QImage upright = test::fourColourImage(48, 32);
    for (int exif = 1; exif <= 8; ++exif) {
        const QString file = path(QString("oriented-%1.jpg").arg(exif));
        ASSERT_TRUE(test::writeFile(
            file, test::withExifOrientation(test::jpegBytes(test::storedForExifOrientation(upright, exif)),
                                            std::uint16_t(exif))));
        const auto document = test::openDocument(file);
        ASSERT_TRUE(document);
        ASSERT_EQ(document->previewSize(), (ImageSize{48, 32}));
        for (int turns = 0; turns < 4; ++turns) {
            for (bool mirrored : {false, true}) {
                SCOPED_TRACE(testing::Message() << "EXIF " << exif << ", turns " << turns << ", mirror " << mirrored);
                CropSelection selection = document->selection();
                selection.clockwiseQuarterTurns = turns;
                selection.isHorizontallyFlipped = mirrored;
                selection.resetToFullImage();
                document->setSelection(selection);

                const QImage canvas = EditingCanvas::prepare(descriptorOf(*document)).value()->image();
                const QImage expected = test::turned(upright, turns, mirrored);
                ASSERT_EQ(canvas.size(), expected.size());
                for (auto [fx, fy] : {std::pair{0.2, 0.2}, {0.8, 0.2}, {0.8, 0.8}, {0.2, 0.8}}) {
                    EXPECT_TRUE(test::coloursNear(test::colourAt(canvas, fx, fy), test::colourAt(expected, fx, fy)))
                        << "at " << fx << ", " << fy;
                }
            }
        }
    }
}

// A source wider than the preview: the import's decode keeps its pixels, and every
// canvas made from them is the canvas a new decode of the file gives, byte for byte;
// a file rewritten since is decoded anew.
TEST_F(EditingCanvasPreparation, CanvasesFromWhatTheImportKeptAreTheCanvasesOfTheFile) {
    QImage picture = test::fourColourImage(4400, 300);
    for (int x = 0; x < picture.width(); x += 7) picture.setPixelColor(x, (x / 7) % 300, QColor(255, 255, 255));
    ASSERT_TRUE(test::writeFile(path("wide.png"), test::pngBytes(picture)));
    const auto document = test::openDocument(path("wide.png"));
    ASSERT_TRUE(document && document->decodeCache());
    const auto canvasOf = [](EditingCanvasDescriptor descriptor, bool keptDecode) {
        if (!keptDecode) descriptor.decodeCache = nullptr;
        return EditingCanvas::prepare(descriptor).value()->image();
    };
    const CropCase crops[] = {
        {"whole, as previewed", {0, 0, 4400, 300}, 0, 4096}, {"whole, turned", {0, 0, 300, 4400}, 1, 4096},
        {"whole, smaller", {0, 0, 4400, 300}, 0, 1000},      {"a part", {1000, 20, 2500, 250}, 0, 4096},
        {"a small part", {3000, 100, 90, 60}, 2, 4096},
    };
    for (const auto& c : crops) {
        SCOPED_TRACE(c.name);
        c.selectIn(*document);
        const EditingCanvasDescriptor descriptor = descriptorOf(*document, c.maximum);
        const QImage kept = canvasOf(descriptor, true);
        EXPECT_EQ(kept, canvasOf(descriptor, false));
        if (c.turns == 0 && c.maximum == 4096 && c.crop.width == 4400) {
            EXPECT_EQ(kept, document->previewImage());
        }
    }

    CropSelection whole = document->selection();
    whole.clockwiseQuarterTurns = 0;
    whole.resetToFullImage();
    document->setSelection(whole);
    const EditingCanvasDescriptor before = descriptorOf(*document);
    // Replaced the way editors save: a new file renamed over the old one.
    ASSERT_TRUE(test::writeFile(path("new.png"), test::pngBytes(picture.mirrored(true, false))));
    ASSERT_EQ(std::rename(path("new.png").toLocal8Bit().constData(), path("wide.png").toLocal8Bit().constData()), 0);
    const QImage replaced = canvasOf(before, true);
    EXPECT_EQ(replaced, canvasOf(before, false));
    EXPECT_NE(replaced, document->previewImage());
}

// An uncompressed TIFF in strips is read straight from its file, by every processor at
// once: the preview and the canvases are those of the same picture stored in tiles,
// which its decoder reads.
TEST_F(EditingCanvasPreparation, AnUncompressedTiffReadStraightFromItsFileGivesTheCanvasesOfItsDecoder) {
    const QImage picture = test::grainedImage(2400, 1600);
    ASSERT_TRUE(test::writeWithVips(picture, path("strips.tif")));
    ASSERT_TRUE(test::writeWithVips(picture, path("tiles.tif"), {.tiled = true}));
    const auto strips = test::openDocument(path("strips.tif"));
    const auto tiles = test::openDocument(path("tiles.tif"));
    ASSERT_TRUE(strips && tiles);
    EXPECT_EQ(strips->previewImage(), tiles->previewImage());
    const CropCase crops[] = {
        {"whole", {0, 0, 2400, 1600}, 0, 500},
        {"trimmed", {240, 160, 1920, 1280}, 0, 400},
        {"a detail at full size", {1000, 700, 300, 200}, 0, 4096},
        {"turned", {160, 240, 1280, 1920}, 1, 300},
    };
    for (const auto& c : crops) {
        SCOPED_TRACE(c.name);
        for (CropDocument* document : {strips.get(), tiles.get()}) c.selectIn(*document);
        const auto canvas = EditingCanvas::prepare(descriptorOf(*strips, c.maximum));
        ASSERT_TRUE(canvas.ok());
        EXPECT_EQ(canvas.value()->image(), EditingCanvas::prepare(descriptorOf(*tiles, c.maximum)).value()->image());
    }
}

TEST_F(EditingCanvasPreparation, HeifAndTiffOrientationsComeOutUpright) {
    const QImage upright = test::fourColourImage(64, 48);
    ASSERT_TRUE(test::writeWithVips(upright, path("photo.heic")));
    ASSERT_TRUE(test::writeWithVips(test::storedForExifOrientation(upright, 8), path("photo.tif"), {.orientation = 8}));
    for (const QString name : {"photo.heic", "photo.tif"}) {
        const auto document = test::openDocument(path(name));
        ASSERT_TRUE(document) << name.toStdString();
        const QImage canvas = EditingCanvas::prepare(descriptorOf(*document)).value()->image();
        ASSERT_EQ(canvas.size(), QSize(64, 48));
        EXPECT_TRUE(test::coloursNear(test::colourAt(canvas, 0.2, 0.2), test::kTopLeftColour));
        EXPECT_TRUE(test::coloursNear(test::colourAt(canvas, 0.8, 0.8), test::kBottomRightColour));
    }
}

}  // namespace
}  // namespace vlt
