#include <cmath>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include "renderer_test_support.h"

namespace vlt {
namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 384;

// Writes the Original and the Simulation of a synthetic pattern after a stroke of
// each tool next to the test binary (renderer_previews/<tool>-original.png and
// <tool>-simulation.png), for a person to judge how the tools look.
struct PreviewImages : ::testing::Test {
    QDir folder{QCoreApplication::applicationDirPath() + QStringLiteral("/renderer_previews")};
    QImage canvas = testing::syntheticCanvas(kWidth, kHeight);

    void SetUp() override { ASSERT_TRUE(folder.mkpath(QStringLiteral("."))); }

    void write(const QString& tool, const std::vector<std::vector<BrushStamp>>& strokes) {
        auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
        for (const std::vector<BrushStamp>& stroke : strokes) ASSERT_TRUE(renderer->apply(stroke).ok());
        const QImage simulation = testing::outputImage(*renderer, 1.0f, kWidth, kHeight).value();
        const QString original = folder.filePath(tool + QStringLiteral("-original.png"));
        const QString simulated = folder.filePath(tool + QStringLiteral("-simulation.png"));
        ASSERT_TRUE(canvas.save(original));
        ASSERT_TRUE(simulation.save(simulated));
        EXPECT_EQ(QImageReader(simulated).size(), QSize(kWidth, kHeight));
        EXPECT_NE(simulation, testing::asOutput(canvas)) << tool.toStdString();
    }
};

// A small circling drag, as a user works an area with Grow or Shrink.
std::vector<Float2> circling(Float2 center, float radius, int turns) {
    std::vector<Float2> points;
    const int stepsPerTurn = 16;
    for (int step = 0; step <= turns * stepsPerTurn; ++step) {
        const float angle = static_cast<float>(step) * 6.2831853f / stepsPerTurn;
        points.push_back({center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)});
    }
    return points;
}

TEST_F(PreviewImages, AreWrittenAfterEachTool) {
    using testing::strokeStamps;
    const std::vector<BrushStamp> push = strokeStamps(DeformationTool::push, {{100, 150}, {150, 160}, {220, 170}}, 60);
    write(QStringLiteral("push"), {push});
    write(QStringLiteral("grow"), {strokeStamps(DeformationTool::grow, circling({154, 154}, 12, 2), 80)});
    write(QStringLiteral("shrink"), {strokeStamps(DeformationTool::shrink, circling({358, 230}, 10, 2), 70)});
    std::vector<BrushStamp> rest(12, BrushStamp{DeformationTool::reconstruct, {150, 160}, {}, 50, 1.0f});
    write(QStringLiteral("reconstruct"), {push, rest});
}

}  // namespace
}  // namespace vlt
