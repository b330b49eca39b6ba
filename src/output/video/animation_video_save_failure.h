#pragma once

#include <optional>
#include <string>

#include <QString>

#include "base/error.h"

namespace vlt {

// The one failure that leaves a video export: what went wrong, what is left on disk
// and whether the destination may already have been touched. The log describes the
// wrapped error, so this carries no code of its own.
class AnimationVideoSaveFailure final : public Error {
public:
    AnimationVideoSaveFailure(ErrorPtr underlying, std::optional<QString> cleanupPath, bool destinationStateUncertain)
        : underlying_(std::move(underlying)),
          cleanupPath_(std::move(cleanupPath)),
          destinationStateUncertain_(destinationStateUncertain) {}

    // An AnimationVideoFailure, an AnimationVideoSystemFailure, a platform error, the
    // renderer's own failure or a cancellation.
    const ErrorPtr& underlying() const { return underlying_; }
    // The temporary folder left behind, none when nothing remains.
    const std::optional<QString>& cleanupPath() const { return cleanupPath_; }
    // The move over the destination had begun.
    bool destinationStateUncertain() const { return destinationStateUncertain_; }

    std::string typeName() const override { return "AnimationVideoSaveFailure"; }
    std::string domain() const override { return std::string(Failure::kModuleName) + "." + typeName(); }
    // A record, not an enumeration of cases.
    std::int64_t code() const override { return 1; }
    std::string userMessage() const override { return underlying_ ? underlying_->userMessage() : std::string(); }

private:
    ErrorPtr underlying_;
    std::optional<QString> cleanupPath_;
    bool destinationStateUncertain_;
};

}  // namespace vlt
