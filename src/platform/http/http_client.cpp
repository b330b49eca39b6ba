#include "platform/http/http_client.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "base/cancellation_error.h"
#include "base/main_thread.h"
#include "platform/http/curl_easy_handle.h"
#include "platform/http/curl_header_list.h"
#include "platform/http/http_transport_error.h"

namespace vlt {

namespace {

// The worker threads of the exchanges. Made after curl's global set-up, so it is torn
// down before curl's libraries clean up at exit: every exchange still running is told
// to stop and joined first.
class ExchangeThreads {
public:
    static ExchangeThreads& shared() {
        static const bool curlReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
        static ExchangeThreads threads;
        (void)curlReady;
        return threads;
    }

    void start(std::function<void(std::stop_token)> work) {
        std::lock_guard lock(mutex_);
        // Joining a finished thread takes no time; the list stays as short as the
        // number of exchanges in flight.
        workers_.remove_if([](const Worker& worker) { return worker.finished->load(); });
        auto finished = std::make_shared<std::atomic<bool>>(false);
        std::jthread thread([work = std::move(work), finished](std::stop_token stop) {
            work(stop);
            finished->store(true);
        });
        workers_.push_back(Worker{std::move(thread), std::move(finished)});
    }

private:
    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    std::mutex mutex_;
    std::list<Worker> workers_;
};

// What the callbacks of one transfer share with it.
struct Transfer {
    std::stop_token callerStop;
    std::stop_token shutdownStop;
    std::size_t maximumBytes = 0;
    std::string body;
    bool tooLarge = false;

    bool stopRequested() const { return callerStop.stop_requested() || shutdownStop.stop_requested(); }
};

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    const std::size_t bytes = size * count;
    if (bytes > transfer.maximumBytes - transfer.body.size()) {
        transfer.tooLarge = true;
        return 0;
    }
    transfer.body.append(data, bytes);
    return bytes;
}

// curl calls this about once a second, also while connecting or waiting; a non-zero
// answer abandons the transfer.
int checkStop(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Transfer*>(context)->stopRequested() ? 1 : 0;
}

// Loopback addresses never go through a proxy, whatever the environment says.
std::string hostsWithoutProxy() {
    std::string hosts = "localhost,127.0.0.1,::1";
    for (const char* name : {"NO_PROXY", "no_proxy"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') hosts += std::string(",") + value;
    }
    return hosts;
}

ErrorPtr transportError(CURLcode code, bool tooLarge, const char* detail) {
    using Kind = HttpTransportError::Kind;
    Kind kind = Kind::other;
    if (code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST || code == CURLE_COULDNT_RESOLVE_PROXY)
        kind = Kind::couldNotConnect;
    if (code == CURLE_OPERATION_TIMEDOUT) kind = Kind::timedOut;
    if (code == CURLE_WRITE_ERROR && tooLarge) kind = Kind::responseTooLarge;
    const std::string text = detail != nullptr && detail[0] != '\0' ? detail : curl_easy_strerror(code);
    return makeError<HttpTransportError>(kind, static_cast<int>(code), text);
}

long wholeSeconds(std::chrono::seconds seconds) { return std::max<long>(1, static_cast<long>(seconds.count())); }

Result<HttpResponse> perform(const HttpRequest& request, Transfer& transfer) {
    if (transfer.stopRequested()) return makeCancellationError();
    CurlEasyHandle handle = CurlEasyHandle::create();
    if (!handle) return transportError(CURLE_FAILED_INIT, false, nullptr);

    CurlHeaderList headers;
    bool headersStored = true;
    for (const std::string& line : request.headers) headersStored = headersStored && headers.append(line);
    // curl would announce larger bodies with "Expect: 100-continue" and then wait for
    // a go-ahead that many servers never send.
    headersStored = headersStored && headers.append("Expect:");
    if (!headersStored) return transportError(CURLE_OUT_OF_MEMORY, false, nullptr);

    const std::string noProxy = hostsWithoutProxy();
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* curl = handle.get();
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, noProxy.c_str());
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(request.limits.wholeExchange.count()));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.limits.wholeExchange.count()));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, wholeSeconds(request.limits.idle));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode result = curl_easy_perform(curl);
    if (result != CURLE_OK) {
        if (transfer.stopRequested()) return makeCancellationError();
        return transportError(result, transfer.tooLarge, errorText);
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    return HttpResponse{status, std::move(transfer.body)};
}

}  // namespace

void HttpClient::post(HttpRequest request, std::stop_token stop, HttpCompletion completion) {
    ExchangeThreads::shared().start([request = std::move(request), stop = std::move(stop),
                                     completion = std::move(completion)](std::stop_token shutdownStop) mutable {
        Transfer transfer;
        transfer.callerStop = stop;
        transfer.shutdownStop = shutdownStop;
        transfer.maximumBytes = request.maximumResponseBytes;
        auto outcome = std::make_shared<Result<HttpResponse>>(perform(request, transfer));
        postToMainThread([completion = std::move(completion), outcome] { completion(std::move(*outcome)); });
    });
}

}  // namespace vlt
