#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Background work that ended in an exception instead of a result (memory exhausted
// while decoding, for example). It is reported with the generic message of its flow.
class UnexpectedTaskError final : public Error {
public:
    explicit UnexpectedTaskError(std::string detail = {}) : detail_(std::move(detail)) {}

    std::string typeName() const override { return "UnexpectedTaskError"; }
    std::string domain() const override { return kDomain; }
    // A record, not an enumeration of cases.
    std::int64_t code() const override { return 1; }
    const std::string& detail() const { return detail_; }

    static constexpr const char* kDomain = "VltPlatform.UnexpectedTaskError";

private:
    std::string detail_;
};

}  // namespace vlt
