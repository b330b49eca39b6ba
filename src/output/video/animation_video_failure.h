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
        canvasTooSmall,
        encoderUnavailable,
        frameCreationFailed,
        frameAppendFailed,
        writerFailed,
        validationFailed,
        publishFailed,
    };

    explicit AnimationVideoFailure(Case failureCase) : case_(failureCase) {}

    static ErrorPtr make(Case failureCase) { return makeError<AnimationVideoFailure>(failureCase); }
    static ErrorPtr rendererUnavailable() { return make(Case::rendererUnavailable); }

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

// A step of the export that failed on an error of the system or of the video library:
// the log names the step by its code and describes the wrapped error; the user reads
// the step's message.
class AnimationVideoSystemFailure final : public Error,
                                          public DiagnosticCodeProviding,
                                          public DiagnosticUnderlyingErrorProviding {
public:
    AnimationVideoSystemFailure(AnimationVideoFailure::Case category, ErrorPtr underlying)
        : category_(category), underlying_(std::move(underlying)) {}

    static ErrorPtr make(AnimationVideoFailure::Case category, ErrorPtr underlying) {
        return makeError<AnimationVideoSystemFailure>(category, std::move(underlying));
    }

    AnimationVideoFailure::Case category() const { return category_; }
    const ErrorPtr& underlying() const { return underlying_; }

    std::string typeName() const override { return "AnimationVideoSystemFailure"; }
    std::string domain() const override { return std::string(Failure::kModuleName) + "." + typeName(); }
    std::int64_t code() const override { return static_cast<std::int64_t>(category_); }
    std::string diagnosticCode() const override { return AnimationVideoFailure(category_).diagnosticCode(); }
    std::string userMessage() const override { return AnimationVideoFailure(category_).userMessage(); }
    const Error* underlyingError() const override { return underlying_.get(); }

private:
    AnimationVideoFailure::Case category_;
    ErrorPtr underlying_;
};

}  // namespace vlt
