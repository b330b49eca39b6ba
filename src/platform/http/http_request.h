#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace vlt {

// How long one exchange may take. Both limits end the exchange with a time-out.
struct HttpTimeLimits {
    // From the start of the connection to the last byte of the response.
    std::chrono::milliseconds wholeExchange{30'000};
    // Once connected, how long the exchange may go without a single byte moving; curl
    // measures this in whole seconds.
    std::chrono::seconds idle{30};
};

// One POST. Nothing is stored between exchanges: no cookies, no cache, and a redirect
// is answered as the status it is, never followed.
struct HttpRequest {
    std::string url;
    // Whole header lines, "Name: value".
    std::vector<std::string> headers;
    std::string body;
    HttpTimeLimits limits;
    // A longer response body ends the exchange; the services answer a few hundred bytes.
    std::size_t maximumResponseBytes = 1024 * 1024;
};

// What the server answered, whatever the status.
struct HttpResponse {
    long statusCode = 0;
    std::string body;

    bool isSuccessStatus() const { return statusCode >= 200 && statusCode <= 299; }
};

}  // namespace vlt
