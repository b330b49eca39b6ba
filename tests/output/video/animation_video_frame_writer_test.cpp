#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_frame_writer.h"

namespace vlt {
namespace {

TEST(AnimationVideoFrameWriterTest, AnswersRendererUnavailableOnceAndWritesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString destination = QDir(folder.path()).filePath(QStringLiteral("morph.mp4"));
    int calls = 0;
    std::string code;
    writeAnimationVideoFrames(
        destination, nullptr, 64, 48, {}, [](double) {},
        [&](Result<AnimationVideoDescriptor> result) {
            ++calls;
            ASSERT_FALSE(result.ok());
            const auto* failure = dynamic_cast<const AnimationVideoFailure*>(result.error().get());
            ASSERT_NE(failure, nullptr);
            code = failure->diagnosticCode();
        });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(code, "video-renderer-unavailable");
    EXPECT_FALSE(QFileInfo::exists(destination));
}

}  // namespace
}  // namespace vlt
