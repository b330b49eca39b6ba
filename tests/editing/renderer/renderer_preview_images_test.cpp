#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

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
        EXPECT_NE(simulation, testing::asOutput(canvas)) << tool.toStdString();
    }
};

TEST_F(PreviewImages, AreWrittenAfterEachTool) {
    using testing::strokeStamps;
    const std::vector<BrushStamp> push = strokeStamps(DeformationTool::push, {{100, 150}, {150, 160}, {220, 170}}, 60);
    // Grow and Shrink as a user works an area: a few clicks in place.
    const std::vector<BrushStamp> grow = strokeStamps(DeformationTool::grow, {{154, 154}}, 80);
    const std::vector<BrushStamp> shrink = strokeStamps(DeformationTool::shrink, {{358, 230}}, 70);
    write(QStringLiteral("push"), {push});
    write(QStringLiteral("grow"), {grow, grow, grow, grow});
    write(QStringLiteral("shrink"), {shrink, shrink, shrink, shrink});
    const std::vector<BrushStamp> reconstruct(12, {DeformationTool::reconstruct, {150, 160}, {}, 50, 1.0f});
    write(QStringLiteral("reconstruct"), {push, reconstruct});
}

}  // namespace
}  // namespace vlt
