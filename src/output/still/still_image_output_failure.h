#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// Why a still image could not be made or saved.
class StillImageOutputFailure final : public Failure {
public:
    enum class Case {
        // The editor has no renderer or canvas, its history is busy, or a stroke is
        // still open or awaiting its last frame.
        rendererUnavailable,
    };

    explicit StillImageOutputFailure(Case failureCase) : case_(failureCase) {}

    static ErrorPtr rendererUnavailable() { return makeError<StillImageOutputFailure>(Case::rendererUnavailable); }

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "StillImageOutputFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

    friend bool operator==(const StillImageOutputFailure& a, const StillImageOutputFailure& b) {
        return a.case_ == b.case_;
    }

private:
    Case case_;
};

}  // namespace vlt
