#include "platform/http/http_transport_error.h"

namespace vlt {

HttpTransportError::HttpTransportError(Kind kind, int curlCode, std::string detail)
    : kind_(kind), curlCode_(curlCode), detail_(std::move(detail)) {}

}  // namespace vlt
