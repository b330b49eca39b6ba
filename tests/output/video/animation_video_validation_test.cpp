#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/system_error.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_validation.h"
#include "video_probe_support.h"

namespace vlt {
namespace {

// A red H.264 video of the given size and length, made by ffmpeg; two tracks on request.
QString makeVideo(const QTemporaryDir& folder, const QString& name, const QString& length, bool twoTracks = false) {
    const QString path = folder.filePath(name);
    const QString source = QStringLiteral("color=c=red:s=64x48:r=30:d=") + length;
    QStringList arguments{"-f", "lavfi", "-i", source};
    if (twoTracks) arguments << QStringList{"-f", "lavfi", "-i", source, "-map", "0", "-map", "1"};
    arguments << QStringList{"-c:v", "libx264", "-pix_fmt", "yuv420p", path};
    EXPECT_TRUE(testing::runFfmpeg(arguments)) << name.toStdString();
    return path;
}

TEST(AnimationVideoValidationTest, AcceptsOnlyOneTrackOfTheWrittenSizeAndLength) {
    QTemporaryDir folder;
    const QString nine = makeVideo(folder, "nine.mp4", "9");
    const QString nineAndAHalf = makeVideo(folder, "nine-and-a-half.mp4", "9.5");
    const QString tooLong = makeVideo(folder, "too-long.mp4", "9.6");
    const QString twoTracks = makeVideo(folder, "two.mp4", "9", true);
    const QString tiny = folder.filePath("tiny.mp4");
    QFile file(tiny);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(999, '\0'));
    file.close();

    struct Case {
        const char* name;
        QString path;
        QSize size;
        bool valid;
    };
    const Case cases[] = {
        {"as written", nine, {64, 48}, true},
        {"half a second long", nineAndAHalf, {64, 48}, true},
        {"0.6 s too long", tooLong, {64, 48}, false},
        {"one pixel wider", nine, {66, 48}, false},
        {"two video tracks", twoTracks, {64, 48}, false},
        {"999 bytes", tiny, {64, 48}, false},
    };
    for (const Case& c : cases) {
        const VoidResult result = validateAnimationVideo(c.path, {c.size, 9.0});
        ASSERT_EQ(result.ok(), c.valid) << c.name;
        if (c.valid) continue;
        const auto* failure = dynamic_cast<const AnimationVideoFailure*>(result.error().get());
        ASSERT_NE(failure, nullptr) << c.name;
        EXPECT_EQ(failure->diagnosticCode(), "video-validation-failed") << c.name;
    }
    // A file that cannot be read reports the system's error, not a mismatch.
    const VoidResult missing = validateAnimationVideo(folder.filePath("missing.mp4"), {{64, 48}, 9.0});
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(dynamic_cast<const SystemError*>(missing.error().get()), nullptr);
}

}  // namespace
}  // namespace vlt
