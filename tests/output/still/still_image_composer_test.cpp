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

TEST(StillImageComposerTest, JpegCanvasesAreWhiteAndPngCanvasesTransparent) {
    StillImageRenderSnapshot snapshot = colourSnapshot(100, 100);
    for (QImage* image : {&snapshot.original, &snapshot.simulation}) {
        QPainter painter(image);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(0, 0, 20, 20, Qt::transparent);
    }
    for (StillImageKind kind : kAllStillImageKinds) {
        SCOPED_TRACE(stillImageKindRawValue(kind).data());
        const auto jpeg =
            StillImageComposer::render(kind, snapshot, optionsWith(4096, 8192, StillImageFileFormat::jpeg));
        const auto png = StillImageComposer::render(kind, snapshot, optionsWith(4096, 8192));
        EXPECT_TRUE(near(jpeg.value().pixelColor(2, 2), Qt::white));
        EXPECT_EQ(png.value().pixelColor(2, 2).alpha(), 0);
        EXPECT_EQ(png.value().pixelColor(50, 50).alpha(), 255);
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
