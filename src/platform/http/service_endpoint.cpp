#include "platform/http/service_endpoint.h"

#include <cstdlib>

namespace vlt {

std::string ServiceEndpoint::baseAddress() {
    const char* override = std::getenv(kBaseAddressVariable);
    std::string base = override != nullptr && override[0] != '\0' ? override : kDefaultBaseAddress;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::string ServiceEndpoint::url(std::string_view path) { return baseAddress() + std::string(path); }

}  // namespace vlt
