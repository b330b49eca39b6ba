#pragma once

#include <string>
#include <string_view>

namespace vlt {

// Where the cloud services live. One base address for all of them, which the
// environment variable VELTRANO_SERVICE_URL replaces (a staging or loopback server)
// when it holds an "http" or "https" address with a host.
class ServiceEndpoint {
public:
    ServiceEndpoint() = delete;

    static constexpr const char* kDefaultBaseAddress = "https://services.veltrano.com";
    static constexpr const char* kBaseAddressVariable = "VELTRANO_SERVICE_URL";

    // The base address in force, without a trailing "/".
    static std::string baseAddress();
    // The base address followed by `path` ("/submitFeedback").
    static std::string url(std::string_view path);
};

}  // namespace vlt
