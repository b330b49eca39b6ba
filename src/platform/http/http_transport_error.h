#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// An exchange that ended without a complete HTTP response: no connection, a time-out,
// an oversized response or any other failure of the transfer. code() is curl's own
// result code, so a log line names the exact cause.
class HttpTransportError final : public Error {
public:
    enum class Kind { couldNotConnect, timedOut, responseTooLarge, other };

    HttpTransportError(Kind kind, int curlCode, std::string detail);

    std::string typeName() const override { return "HttpTransportError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return curlCode_; }

    Kind kind() const { return kind_; }
    const std::string& detail() const { return detail_; }

    static constexpr const char* kDomain = "VltPlatform.HttpTransportError";

private:
    Kind kind_;
    int curlCode_;
    std::string detail_;
};

}  // namespace vlt
