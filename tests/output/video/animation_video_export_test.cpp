#include <gtest/gtest.h>

#include <stop_token>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "base/cancellation_error.h"
#include "editing/renderer/default_gpu_device.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "output/video/animation_video_export.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_frame_writer.h"
#include "output/video/animation_video_save_failure.h"
#include "output/video/animation_video_size.h"
#include "video_probe_support.h"

namespace vlt {
namespace {

using testing::decodeFrameRgb;

// A canvas with a horizontal gradient, pushed in its middle, and a red box annotation.
struct MorphScene {
    MorphScene(int width, int height) : width(width), height(height) {
        QImage image(width, height, QImage::Format_RGBA8888_Premultiplied);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) image.setPixelColor(x, y, QColor(40 + 170 * x / width, 90, 200 - y));
        }
        auto made = MetalDeformationRenderer::create(defaultGpuDevice(), image, GpuPixelFormat::bgra8UnormSrgb);
        renderer = std::move(made).value();
        const float middle = static_cast<float>(width) / 2.0f;
        static_cast<void>(renderer->apply({BrushStamp{DeformationTool::push, {middle, 30}, {24, 0}, 28, 1.0f}}));
        const AnnotationShape box{EditorTool::filledRectangle, {4, 4}, {28, 24}, 2.0f, AnnotationColor{255, 0, 0}};
        annotations.push_back(AnnotationObject{QUuid::createUuid(), box, {}});
    }

    // Exports to `destination`, stopping once the frames reach `stopAtPercent`.
    Result<AnimationVideoSaveResult> exportTo(const QString& destination, double stopAtPercent = 1000.0) {
        std::stop_source stop;
        AnimationVideoExportSteps steps;
        steps.writeFrames = [&](const QString& path, auto completion) {
            writeAnimationVideoFrames(
                path, renderer, width, height, annotations, stop.get_token(),
                [&](double percent) {
                    progress.push_back(percent);
                    if (percent >= stopAtPercent) stop.request_stop();
                },
                std::move(completion));
        };
        std::optional<Result<AnimationVideoSaveResult>> outcome;
        exportAnimationVideo(destination, std::move(steps), stop.get_token(),
                             [&](Result<AnimationVideoSaveResult> result) { outcome = std::move(result); });
        if (!testing::runEventsUntil([&] { return outcome.has_value(); })) return makeCancellationError();
        return *outcome;
    }

    int width;
    int height;
    std::shared_ptr<MetalDeformationRenderer> renderer;
    std::vector<AnnotationObject> annotations;
    std::vector<double> progress;
};

const AnimationVideoSaveFailure& saveFailureOf(const ErrorPtr& error) {
    return dynamic_cast<const AnimationVideoSaveFailure&>(*error);
}

QStringList entriesOf(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// One red, green and blue component of an RGB24 frame of the given width.
int component(const QByteArray& rgb, int width, int x, int y, int channel) {
    return static_cast<unsigned char>(rgb.at((y * width + x) * 3 + channel));
}

TEST(AnimationVideoSizeTest, FitsTheCanvasIntoTheBoundsNeverEnlargedAndEven) {
    struct Case {
        std::int64_t canvasWidth, canvasHeight, width, height;
    };
    for (const Case& c :
         {Case{4000, 3000, 1440, 1080}, Case{3000, 4000, 1080, 1440}, Case{1919, 1079, 1918, 1078},
          Case{3000, 3000, 1080, 1080}, Case{1001, 601, 1000, 600}, Case{2, 2, 2, 2}, Case{1920, 1080, 1920, 1080}}) {
        auto size = AnimationVideoSize::forCanvas(c.canvasWidth, c.canvasHeight);
        ASSERT_TRUE(size.ok()) << c.canvasWidth << "x" << c.canvasHeight;
        EXPECT_EQ(size.value(), (AnimationVideoSize{c.width, c.height})) << c.canvasWidth << "x" << c.canvasHeight;
    }
    for (auto [width, height] : {std::pair{1, 500}, std::pair{500, 1}, std::pair{0, 0}}) {
        auto size = AnimationVideoSize::forCanvas(width, height);
        ASSERT_FALSE(size.ok());
        EXPECT_EQ(dynamic_cast<const AnimationVideoFailure&>(*size.error()).failureCase(),
                  AnimationVideoFailure::Case::canvasTooSmall);
    }
}

TEST(AnimationVideoExportTest, WritesTheNineSecondMorphAndPublishesItWithNothingLeftBehind) {
    MorphScene scene(96, 64);
    QTemporaryDir folder;
    const QString destination = folder.filePath(QStringLiteral("morph.mp4"));
    auto result = scene.exportTo(destination);
    ASSERT_TRUE(result.ok()) << saveFailureOf(result.error()).underlying()->typeName() << " "
                             << saveFailureOf(result.error()).underlying()->userMessage();
    EXPECT_EQ(result.value(), (AnimationVideoSaveResult{destination, std::nullopt}));
    EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("morph.mp4")});

    const QJsonObject probe = testing::probeVideo(destination);
    const QJsonArray streams = probe.value("streams").toArray();
    ASSERT_EQ(streams.size(), 1);
    const QVariantMap stream = streams.first().toObject().toVariantMap();
    const QVariantMap expected{
        {"codec_name", "h264"}, {"profile", "High"}, {"pix_fmt", "yuv420p"},   {"color_space", "bt709"},
        {"width", 96},          {"height", 64},      {"r_frame_rate", "30/1"}, {"nb_read_frames", "270"}};
    for (auto entry = expected.begin(); entry != expected.end(); ++entry) {
        EXPECT_EQ(stream.value(entry.key()), entry.value()) << entry.key().toStdString();
    }
    EXPECT_NEAR(probe.value("format").toObject().value("duration").toString().toDouble(), 9.0, 0.001);

    // Frame 0 is the Original without the annotation; frame 45 (1.5 s) the Simulation
    // with the annotation fully opaque, in every loop.
    const QByteArray original = decodeFrameRgb(destination, 0);
    ASSERT_EQ(original.size(), 96 * 64 * 3);
    EXPECT_LT(component(original, 96, 16, 14, 0), 120);
    EXPECT_NEAR(component(original, 96, 48, 30, 0), 40 + 170 * 48 / 96, 6);
    for (int frame : {45, 135, 225}) {
        const QByteArray simulation = decodeFrameRgb(destination, frame);
        ASSERT_EQ(simulation.size(), original.size());
        EXPECT_GT(component(simulation, 96, 16, 14, 0), 220) << frame;
        EXPECT_LT(component(simulation, 96, 16, 14, 1), 40) << frame;
        EXPECT_GT(std::abs(component(simulation, 96, 48, 30, 0) - component(original, 96, 48, 30, 0)), 8) << frame;
    }

    ASSERT_EQ(scene.progress.size(), 271u);
    EXPECT_TRUE(std::is_sorted(scene.progress.begin(), scene.progress.end()));
    EXPECT_DOUBLE_EQ(scene.progress[269], 95.0);
    EXPECT_DOUBLE_EQ(scene.progress.back(), 98.0);
}

TEST(AnimationVideoExportTest, ACancelledOrRefusedExportLeavesTheDestinationAsItWasAndNoTemporaryFolder) {
    struct Case {
        const char* name;
        int canvasWidth;
        double stopAtPercent;
        bool isCancellation;
    };
    for (const Case& c :
         {Case{"cancelled during the frames", 96, 20.0, true}, Case{"canvas too small", 1, 1000.0, false}}) {
        SCOPED_TRACE(c.name);
        MorphScene scene(96, 64);
        scene.width = c.canvasWidth;
        QTemporaryDir folder;
        const QString destination = folder.filePath(QStringLiteral("morph.mp4"));
        QFile existing(destination);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("earlier video");
        existing.close();

        auto result = scene.exportTo(destination, c.stopAtPercent);
        ASSERT_FALSE(result.ok());
        const AnimationVideoSaveFailure& failure = saveFailureOf(result.error());
        EXPECT_EQ(isCancellation(failure.underlying()), c.isCancellation);
        EXPECT_FALSE(failure.cleanupPath().has_value());
        EXPECT_FALSE(failure.destinationStateUncertain());
        EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("morph.mp4")});
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll(), "earlier video");
    }
}

}  // namespace
}  // namespace vlt
