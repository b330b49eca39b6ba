#include "output/video/animation_video_validation.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "base/system_error.h"
#include "output/video/animation_video_failure.h"
#include "platform/video/video_file_properties.h"

namespace vlt {

namespace {

constexpr std::uintmax_t kMinimumFileBytes = 1000;
constexpr double kDurationToleranceSeconds = 0.5;

// A side that is not a finite number never matches.
bool sideMatches(double natural, int expected) {
    return std::isfinite(natural) && std::round(std::fabs(natural)) == static_cast<double>(expected);
}

}  // namespace

VoidResult validateAnimationVideo(const QString& path, const AnimationVideoDescriptor& descriptor) {
    const ErrorPtr mismatch = AnimationVideoFailure::make(AnimationVideoFailure::Case::validationFailed);
    const std::filesystem::path file(path.toStdString());
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(file, error);
    if (error) return makeSystemError(error, "stat", file.string());
    if (bytes < kMinimumFileBytes) return mismatch;

    auto properties = readVideoFileProperties(file.string());
    if (!properties.ok()) return properties.error();
    const VideoFileProperties& read = properties.value();
    if (read.videoTrackCount != 1) return mismatch;
    if (!sideMatches(read.naturalWidth, descriptor.size.width()) ||
        !sideMatches(read.naturalHeight, descriptor.size.height())) {
        return mismatch;
    }
    const bool durationMatches =
        std::isfinite(read.durationSeconds) &&
        std::fabs(read.durationSeconds - descriptor.durationSeconds) <= kDurationToleranceSeconds;
    if (!durationMatches) return mismatch;
    return {};
}

}  // namespace vlt
