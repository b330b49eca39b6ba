#include "platform/http/service_endpoint.h"

#include <QUrl>
#include <cstdlib>

#include "base/precondition.h"

namespace vlt {

namespace {

bool isServiceAddress(const std::string& text) {
    const QUrl url(QString::fromStdString(text), QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
           !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment();
}

}  // namespace

std::string ServiceEndpoint::baseAddress() {
    static const bool defaultIsValid = isServiceAddress(kDefaultBaseAddress);
    VLT_PRECONDITION(defaultIsValid, "the services' base address is a web address");
    // An address that is no web address is ignored rather than sent a request.
    const char* override = std::getenv(kBaseAddressVariable);
    std::string base = override != nullptr && isServiceAddress(override) ? override : kDefaultBaseAddress;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::string ServiceEndpoint::url(std::string_view path) { return baseAddress() + std::string(path); }

}  // namespace vlt
