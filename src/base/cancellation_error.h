#pragma once

#include "base/error.h"

namespace vlt {

// The one error that a cancelled task ends with. Callers recognise it with
// isCancellation() and log their cancelled event instead of a failure.
class CancellationError final : public Error {
public:
    std::string typeName() const override { return "CancellationError"; }
    std::string domain() const override { return kDomain; }
    // A record, not an enumeration of cases, so its code is 1.
    std::int64_t code() const override { return 1; }

    static constexpr const char* kDomain = "VltPlatform.CancellationError";
};

// A shared instance; cancellation carries no detail worth a new allocation.
ErrorPtr makeCancellationError();

bool isCancellation(const Error& error);
// False for a null pointer.
bool isCancellation(const ErrorPtr& error);

}  // namespace vlt
