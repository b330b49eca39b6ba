#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/error.h"

namespace vlt {

// Why one image could not be handed to the desktop's sharing services.
class ShareImageFailure final : public Failure {
public:
    enum class Case {
        // The private sharing folder could not be made, opened or trusted.
        temporaryLocationUnavailable,
        encodeFailed,
        // The written file does not decode completely to the composed size.
        validationFailed,
        // The window that the picker belongs to is not on screen.
        pickerUnavailable,
    };

    explicit ShareImageFailure(Case failureCase) : case_(failureCase) {}
    static ErrorPtr make(Case failureCase) { return makeError<ShareImageFailure>(failureCase); }

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "ShareImageFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

private:
    Case case_;
};

// The case of a share failure; none for any other error.
std::optional<ShareImageFailure::Case> shareImageFailureCase(const ErrorPtr& error);

// What a sharing service reported when it could not share. It has no message of its
// own (the flow words it); the log describes the service's own error.
class ShareImageSystemFailure final : public Error,
                                      public DiagnosticCodeProviding,
                                      public DiagnosticUnderlyingErrorProviding {
public:
    explicit ShareImageSystemFailure(ErrorPtr underlying) : underlying_(std::move(underlying)) {}

    std::string typeName() const override { return "ShareImageSystemFailure"; }
    std::string domain() const override { return std::string(Failure::kModuleName) + "." + typeName(); }
    std::int64_t code() const override { return 0; }
    std::string diagnosticCode() const override { return "share-service-failed"; }
    const Error* underlyingError() const override { return underlying_.get(); }

private:
    ErrorPtr underlying_;
};

}  // namespace vlt
