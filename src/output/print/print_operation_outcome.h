#pragma once

#include "base/error.h"

namespace vlt {

// How a print ended: with a job handed to the print system, called off by the user,
// or failed with a PrintingFailure.
struct PrintOperationOutcome {
    enum class Kind { failed, submitted, cancelled };

    Kind kind = Kind::cancelled;
    // Set exactly when kind is failed.
    ErrorPtr failure;

    static PrintOperationOutcome failed(ErrorPtr failure) { return {Kind::failed, std::move(failure)}; }
    static PrintOperationOutcome submitted() { return {Kind::submitted, nullptr}; }
    static PrintOperationOutcome cancelled() { return {Kind::cancelled, nullptr}; }
};

}  // namespace vlt
