#include "output/still/still_image_composer.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "output/still/still_output_test_support.h"

namespace vlt {
namespace {

using test::colourSnapshot;
using test::near;

StillImageExportOptions optionsWith(std::int64_t individual, std::int64_t comparison,
                                    StillImageFileFormat format = StillImageFileFormat::png) {
    StillImageExportOptions options;
    options.individualMaximumDimension = individual;
    options.comparisonMaximumStackedDimension = comparison;
    options.fileFormat = format;
    return options;
}

QColor at(const QImage& image, double fractionX, double fractionY) {
    return image.pixelColor(int(fractionX * (image.width() - 1)), int(fractionY * (image.height() - 1)));
}

TEST(StillImageComposerTest, SizesAreReducedToTheirLimitAndNeverEnlarged) {
    using Kind = StillImageKind;
    for (const auto& [width, height, limit, kind, expected] :
         {std::tuple{400, 300, 100, Kind::original, QSize(100, 75)},
          {300, 400, 100, Kind::simulation, QSize(75, 100)},
          {80, 60, 4096, Kind::original, QSize(80, 60)},
          {300, 200, 200, Kind::comparison, QSize(150, 200)},
          {200, 300, 200, Kind::comparison, QSize(200, 150)},
          {120, 120, 100, Kind::comparison, QSize(100, 50)},
          {300, 200, 5000, Kind::comparison, QSize(300, 400)}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << " limit " << limit);
        const auto image = StillImageComposer::render(kind, colourSnapshot(width, height), optionsWith(limit, limit));
        EXPECT_EQ(image.value().size(), expected);
    }
}

TEST(StillImageComposerTest, PanesAndAnnotationsSitWhereTheyBelong) {
    const QColor red(Qt::red), blue(Qt::blue), green(0, 255, 0);
    struct Probe {
        double x, y;
        QColor colour;
    };
    // The annotation covers the Simulation's middle and is cut at its pane's edge.
    const std::vector<std::tuple<StillImageKind, int, int, std::vector<Probe>>> cases = {
        {StillImageKind::original, 200, 100, {{0.5, 0.5, red}, {0.1, 0.1, red}}},
        {StillImageKind::simulation, 200, 100, {{0.5, 0.5, green}, {0.05, 0.05, blue}}},
        {StillImageKind::comparison, 200, 100, {{0.5, 0.25, green}, {0.05, 0.02, blue}, {0.5, 0.75, red}}},
        {StillImageKind::comparison, 100, 200, {{0.75, 0.5, green}, {0.98, 0.05, blue}, {0.45, 0.5, red}}},
        {StillImageKind::comparison, 100, 100, {{0.75, 0.5, green}, {0.25, 0.5, red}}},
    };
    for (const auto& [kind, width, height, probes] : cases) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        const auto image =
            StillImageComposer::render(kind, colourSnapshot(width, height, true), optionsWith(4096, 8192));
        for (const Probe& probe : probes) EXPECT_TRUE(near(at(image.value(), probe.x, probe.y), probe.colour));
    }
}

// The pictures come out as drawn over the canvas's background (white for JPEG,
// transparent for PNG), whatever their layout and wherever a pixel lets it through.
TEST(StillImageComposerTest, PicturesLookAsIfDrawnOverTheBackground) {
    for (const QImage::Format format :
         {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBA8888_Premultiplied, QImage::Format_RGB32,
          QImage::Format_RGBA8888, QImage::Format_RGBX8888, QImage::Format_RGB888}) {
        for (const bool seeThrough : {false, true}) {
            // Portrait: the Comparison puts the two side by side.
            StillImageRenderSnapshot snapshot = colourSnapshot(23, 37);
            for (QImage* picture : {&snapshot.original, &snapshot.simulation}) {
                for (int y = 0; y < picture->height(); ++y) {
                    for (int x = 0; x < picture->width(); ++x) {
                        const int alpha = seeThrough && y == 30 && x > 15 ? (x % 2) * 90 : 255;
                        picture->setPixelColor(x, y, QColor(7 * x, 6 * y, 200 - 3 * x, alpha));
                    }
                }
                *picture = picture->convertToFormat(format);
            }
            for (const StillImageFileFormat fileFormat : {StillImageFileFormat::jpeg, StillImageFileFormat::png}) {
                SCOPED_TRACE(testing::Message() << format << " " << seeThrough << " " << int(fileFormat));
                QImage drawn(46, 37, QImage::Format_ARGB32_Premultiplied);
                drawn.fill(fileFormat == StillImageFileFormat::jpeg ? Qt::white : Qt::transparent);
                QPainter painter(&drawn);
                painter.drawImage(0, 0, snapshot.original);
                painter.drawImage(23, 0, snapshot.simulation);
                painter.end();
                const StillImageExportOptions options = optionsWith(4096, 8192, fileFormat);
                EXPECT_EQ(StillImageComposer::renderComparison(snapshot, options).value(), drawn);
                EXPECT_EQ(StillImageComposer::render(StillImageKind::simulation, snapshot, options).value(),
                          drawn.copy(23, 0, 23, 37));
            }
        }
    }
}

// The glyph outline is black and the fill white: only the fill is looked for.
int whitePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += near(image.pixelColor(x, y), Qt::white, 40);
    }
    return count;
}

TEST(StillImageComposerTest, LabelsSitInTheirCornersAndBlankLabelsDrawNothing) {
    StillImageExportOptions options = optionsWith(4096, 8192);
    options.includeLabels = true;
    options.watermarkSettings.originalComparisonLabel = QStringLiteral("Before");
    options.watermarkSettings.simulationComparisonLabel = QStringLiteral("After");
    // Side by side, two halves of 1000 by 1000: size 20, margin 12 in each.
    const QImage image = StillImageComposer::renderComparison(colourSnapshot(1000, 1000), options).value();
    EXPECT_GT(whitePixels(image, QRect(12, 12, 100, 30)), 50);
    EXPECT_GT(whitePixels(image, QRect(2000 - 112, 12, 100, 30)), 50);
    EXPECT_EQ(whitePixels(image, QRect(0, 0, 11, 11)), 0);
    EXPECT_EQ(whitePixels(image, QRect(1000 - 130, 0, 120, 50)), 0);
    EXPECT_EQ(whitePixels(image, QRect(0, 60, 2000, 940)), 0);

    options.watermarkSettings.originalComparisonLabel = QStringLiteral(" \n\t ");
    const QImage blank =
        StillImageComposer::renderSingle(StillImageKind::original, colourSnapshot(400, 400), options).value();
    EXPECT_EQ(whitePixels(blank, blank.rect()), 0);
}

TEST(StillImageComposerTest, ContactTextKeepsEachNonBlankPieceOnItsOwnLine) {
    ApplicationSettings settings;
    settings.contactName = QStringLiteral("  Dr. Ana  ");
    settings.contactEmail = QStringLiteral(" ");
    settings.contactPhoneNumber = QStringLiteral("+1 555");
    settings.contactAddress = QStringLiteral("Main St 1\r\n\r\n  Town \rRegion\n");
    settings.contactFreeText = QStringLiteral("\n Open daily\nby appointment ");
    EXPECT_EQ(StillImageComposer::contactText(settings),
              QStringLiteral("Dr. Ana\n+1 555\nMain St 1\nTown\nRegion\nOpen daily\nby appointment"));
    EXPECT_EQ(StillImageComposer::contactText(ApplicationSettings{}), QString());
}

TEST(StillImageComposerTest, ContactBlockShrinksUntilItFitsButNotBelowSix) {
    const QRectF rect(0, 0, 1000, 1000);
    const auto fitting = StillImageComposer::contactBlockPlacement(QStringLiteral("Dr. Ana\nMain St 1"), rect);
    ASSERT_TRUE(fitting);
    EXPECT_DOUBLE_EQ(fitting->fontSize, 20.0);
    EXPECT_DOUBLE_EQ(fitting->rect.left(), 12.0);
    EXPECT_NEAR(fitting->rect.bottom(), 988.0, 1e-9);
    EXPECT_DOUBLE_EQ(fitting->rect.width(), 588.0);

    // In 400 by 400, 60 lines at size 6 are still taller than 60 % less the margin.
    const QRectF small(0, 0, 400, 400);
    const auto tall = StillImageComposer::contactBlockPlacement(QStringLiteral("line\n").repeated(60), small);
    EXPECT_DOUBLE_EQ(tall->fontSize, 6.0);
    EXPECT_GT(tall->rect.height(), 240.0 - 4.8);
    EXPECT_NEAR(tall->rect.bottom(), 400.0 - 4.8, 1e-9);

    const auto shrunk = StillImageComposer::contactBlockPlacement(QStringLiteral("line\n").repeated(40), rect);
    EXPECT_GT(shrunk->fontSize, 6.0);
    EXPECT_LT(shrunk->fontSize, 20.0);
    EXPECT_LE(shrunk->rect.height(), 588.0);
    EXPECT_FALSE(StillImageComposer::contactBlockPlacement(QString(), rect));
}

}  // namespace
}  // namespace vlt
