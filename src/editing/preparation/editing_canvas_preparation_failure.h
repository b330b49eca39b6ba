#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Why the editing canvas could not be made from the crop.
class EditingCanvasPreparationFailure final : public Failure {
public:
    enum class Case {
        sourceUnavailable,
        sourceChanged,
        invalidCrop,
        decodeFailed,
    };

    explicit EditingCanvasPreparationFailure(Case failureCase) : case_(failureCase) {}

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "EditingCanvasPreparationFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

    friend bool operator==(const EditingCanvasPreparationFailure& a, const EditingCanvasPreparationFailure& b) {
        return a.case_ == b.case_;
    }

private:
    Case case_;
};

}  // namespace vlt
