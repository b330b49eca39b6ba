#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// Why a sharing service of the menu could not share; logged under the service
// failure that wraps it.
class ShareServiceFailure final : public Failure {
public:
    enum class Case {
        // Neither the portal's chooser nor the default application opened the file.
        openFailed,
        // The portal or the e-mail program refused the message.
        emailFailed,
        // The file could not be read for the clipboard.
        copyFailed,
        // No file manager showed the file.
        showFailed,
    };

    explicit ShareServiceFailure(Case failureCase) : case_(failureCase) {}
    static ErrorPtr make(Case failureCase) { return makeError<ShareServiceFailure>(failureCase); }

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "ShareServiceFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;

private:
    Case case_;
};

}  // namespace vlt
