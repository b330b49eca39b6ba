#include "base/cancellation_error.h"

namespace vlt {

ErrorPtr makeCancellationError() {
    static const ErrorPtr shared = std::make_shared<const CancellationError>();
    return shared;
}

bool isCancellation(const Error& error) { return dynamic_cast<const CancellationError*>(&error) != nullptr; }

bool isCancellation(const ErrorPtr& error) { return error != nullptr && isCancellation(*error); }

}  // namespace vlt
