#pragma once

#include <string>

#include "crash_reports/mac_crash_report_submitting.h"
#include "platform/http/http_request.h"

namespace vlt {

// Posts the request of a prepared report as JSON to the service's
// "/submitMacCrashReport" and checks the reply strictly: 413, 409 and 429 have their
// own failures, every other status outside 2xx and every transport failure is
// sendFailed, and a 2xx reply that does not confirm the very reportId that was sent is
// invalidResponse.
class FirebaseMacCrashReportClient final : public MacCrashReportSubmitting {
public:
    explicit FirebaseMacCrashReportClient(std::string endpoint = defaultEndpoint(), HttpTimeLimits limits = {});

    void submit(const PreparedMacCrashReport& report, std::stop_token stop, Completion completion) override;

    const std::string& endpoint() const { return endpoint_; }

    // "/submitMacCrashReport" on the services' base address.
    static std::string defaultEndpoint();
    static constexpr const char* kPath = "/submitMacCrashReport";

private:
    const std::string endpoint_;
    const HttpTimeLimits limits_;
};

}  // namespace vlt
