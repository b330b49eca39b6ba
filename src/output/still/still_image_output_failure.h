#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/error.h"

namespace vlt {

// Why a still image could not be made or saved. A refused exclusive rename is no case
// here: it travels as the system's own error.
class StillImageOutputFailure final : public Failure, public DiagnosticUnderlyingErrorProviding {
public:
    enum class Case {
        // The editor has no renderer or canvas, its history is busy, or a stroke is
        // still open or awaiting its last frame.
        rendererUnavailable,
        // The composer could not make its canvas or the finished image.
        renderFailed,
        // The base name breaks the naming rules, or a final file name would not fit
        // the folder's limit on the length of a name.
        invalidBaseName,
        // Every version from 1 to 999 is taken.
        noAvailableFilename,
        encodeFailed,
        // The written file does not decode completely to the rendered size.
        validationFailed,
        publishFailed,
        // A file could not be written or flushed to the disk (a full disk, for one);
        // the only case that wraps the system's error.
        writeFailed,
    };

    explicit StillImageOutputFailure(Case failureCase, ErrorPtr underlying = nullptr)
        : case_(failureCase), underlying_(std::move(underlying)) {}

    static ErrorPtr make(Case failureCase) { return makeError<StillImageOutputFailure>(failureCase); }
    static ErrorPtr rendererUnavailable() { return make(Case::rendererUnavailable); }
    static ErrorPtr writeFailed(ErrorPtr systemError) {
        return makeError<StillImageOutputFailure>(Case::writeFailed, std::move(systemError));
    }

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "StillImageOutputFailure"; }
    // The case that carries a value counts first, the others from 0 in their order.
    std::int64_t code() const override { return case_ == Case::writeFailed ? 0 : static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;
    const Error* underlyingError() const override { return underlying_.get(); }

    friend bool operator==(const StillImageOutputFailure& a, const StillImageOutputFailure& b) {
        return a.case_ == b.case_;
    }

private:
    Case case_;
    ErrorPtr underlying_;
};

// The case of a still-image failure; none for any other error (or none at all).
std::optional<StillImageOutputFailure::Case> stillImageOutputFailureCase(const ErrorPtr& error);

}  // namespace vlt
