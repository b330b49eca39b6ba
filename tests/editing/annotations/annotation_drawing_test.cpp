#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "editing/annotations/annotation_drawing.h"
#include "editing/annotations/annotation_halo.h"

namespace vlt {
namespace {

const AnnotationColor kWhite{255, 255, 255};
const AnnotationColor kBlue{0, 0, 255};

QImage blankImage(int width = 200, int height = 120) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

AnnotationObject object(AnnotationContent content, Float2 translation = {}) {
    return AnnotationObject{QUuid::createUuid(), std::move(content), translation};
}

QImage drawn(const AnnotationObject& annotation, double scale = 1.0, int width = 200, int height = 120) {
    QImage image = blankImage(width, height);
    QPainter painter(&image);
    painter.scale(scale, scale);
    drawAnnotationObject(painter, annotation);
    return image;
}

bool isPainted(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) > 128; }

bool isDark(QRgb pixel) { return qAlpha(pixel) > 128 && qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

bool isLight(QRgb pixel) {
    return qAlpha(pixel) > 128 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

bool isEmpty(const QImage& image) { return image == blankImage(image.width(), image.height()); }

struct Band {
    int painted = 0;
    int colour = 0;
};

// Rows painted across a horizontal white line at one column: all of them, and the
// light ones of the line itself (the rest is the black halo).
Band bandAt(const QImage& image, int column) {
    Band band;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb pixel = image.pixel(column, y);
        if (qAlpha(pixel) > 128) ++band.painted;
        if (isLight(pixel)) ++band.colour;
    }
    return band;
}

// A line of the given width centred so that its edges fall on pixel boundaries.
AnnotationObject horizontalStroke(float size) {
    const float haloed = size + annotationHaloExtraWidth(size);
    const float y = static_cast<int>(haloed) % 2 == 0 ? 50.0f : 50.5f;
    return object(AnnotationStroke{{{20, y}, {180, y}}, size, kWhite});
}

TEST(AnnotationDrawingTest, StrokeHaloWidthsMeasuredInPixels) {
    const Band thin = bandAt(drawn(horizontalStroke(3.0f)), 100);
    EXPECT_EQ(thin.painted, 5);
    EXPECT_EQ(thin.colour, 3);

    const Band medium = bandAt(drawn(horizontalStroke(10.0f)), 100);
    EXPECT_EQ(medium.painted, 14);
    EXPECT_EQ(medium.colour, 10);

    const Band thick = bandAt(drawn(horizontalStroke(30.0f)), 100);
    EXPECT_EQ(thick.painted, 38);
    EXPECT_EQ(thick.colour, 30);
}

TEST(AnnotationDrawingTest, UserSpaceIsCanvasPixelsScaledByTheCaller) {
    const Band doubled = bandAt(drawn(horizontalStroke(10.0f), 2.0, 400, 240), 200);
    EXPECT_EQ(doubled.painted, 28);
    EXPECT_EQ(doubled.colour, 20);

    const AnnotationObject moved = object(AnnotationStroke{{{20, 20}}, 10.0f, kWhite}, {100, 40});
    const QImage image = drawn(moved);
    EXPECT_TRUE(isLight(image.pixel(120, 60)));
    EXPECT_FALSE(isPainted(image, 20, 20));
}

TEST(AnnotationDrawingTest, OnePointStrokeIsTwoConcentricDots) {
    const QImage image = drawn(object(AnnotationStroke{{{50, 50}}, 10.0f, kBlue}));
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 255));
    EXPECT_TRUE(isLight(image.pixel(50, 43)));  // white halo of a blue dot
    EXPECT_FALSE(isPainted(image, 50, 41));
    EXPECT_FALSE(isPainted(image, 57, 57));
}

TEST(AnnotationDrawingTest, OpenShapesStrokeOnlyTheirOutline) {
    const QImage rectangle = drawn(object(AnnotationShape{EditorTool::rectangle, {20, 20}, {120, 100}, 6, kWhite}));
    EXPECT_TRUE(isLight(rectangle.pixel(20, 60)));
    EXPECT_TRUE(isDark(rectangle.pixel(16, 60)));
    EXPECT_FALSE(isPainted(rectangle, 14, 60));
    EXPECT_FALSE(isPainted(rectangle, 70, 60));

    const QImage filled = drawn(object(AnnotationShape{EditorTool::filledRectangle, {20, 20}, {120, 100}, 6, kWhite}));
    EXPECT_TRUE(isLight(filled.pixel(70, 60)));
    EXPECT_TRUE(isDark(filled.pixel(19, 60)));
    EXPECT_FALSE(isPainted(filled, 17, 60));
}

TEST(AnnotationDrawingTest, TextIsFilledAndOutlinedButBlankTextDrawsNothing) {
    const AnnotationFontStyle font{QStringLiteral("Arial"), 60.0f, 9, false};
    const QImage image = drawn(object(AnnotationText{QStringLiteral("HH"), {10, 10}, kWhite, font}));
    int light = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isLight(image.pixel(x, y))) ++light;
            if (isDark(image.pixel(x, y))) ++dark;
        }
    }
    EXPECT_GT(light, 200);
    EXPECT_GT(dark, 100);
    EXPECT_FALSE(isPainted(image, 5, 5));

    EXPECT_TRUE(isEmpty(drawn(object(AnnotationText{QStringLiteral(" \n\t"), {10, 10}, kWhite, font}))));
}

}  // namespace
}  // namespace vlt
