#pragma once

#include <functional>
#include <stop_token>

#include "base/result.h"
#include "platform/http/http_request.h"

namespace vlt {

// Runs once, on the GUI thread, with the response (whatever its status), an
// HttpTransportError, or the cancellation error.
using HttpCompletion = std::function<void(Result<HttpResponse>)>;

// HTTP exchanges on libcurl. Each exchange gets its own easy handle and its own worker
// thread, so a slow server never holds up other work; answers come back through the
// GUI thread's event loop.
class HttpClient {
public:
    HttpClient() = delete;

    // Starts one POST of `request.body`. `completion` runs exactly once and never
    // inside this call. Once `stop` is requested, an exchange that has not ended is
    // abandoned within about a second and completes with the cancellation error.
    // Exchanges still running when the process ends are stopped and waited for; their
    // completions are then dropped.
    static void post(HttpRequest request, std::stop_token stop, HttpCompletion completion);
};

}  // namespace vlt
