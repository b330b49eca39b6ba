#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Why a file could not be opened as a photograph.
class ImageImportFailure final : public Failure {
public:
    enum class Case {
        unsupported,
        corrupted,
        tooLarge,
    };

    explicit ImageImportFailure(Case failureCase) : case_(failureCase) {}

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "ImageImportFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

    friend bool operator==(const ImageImportFailure& a, const ImageImportFailure& b) { return a.case_ == b.case_; }

private:
    Case case_;
};

}  // namespace vlt
