#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// Why the morph animation could not be written as a video.
class AnimationVideoFailure final : public Failure {
public:
    enum class Case {
        // The editor view is gone, its history is busy, a stroke is still open or
        // awaiting its last frame, or there is no renderer or canvas.
        rendererUnavailable,
    };

    explicit AnimationVideoFailure(Case failureCase) : case_(failureCase) {}

    static ErrorPtr rendererUnavailable() { return makeError<AnimationVideoFailure>(Case::rendererUnavailable); }

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "AnimationVideoFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

    friend bool operator==(const AnimationVideoFailure& a, const AnimationVideoFailure& b) {
        return a.case_ == b.case_;
    }

private:
    Case case_;
};

}  // namespace vlt
