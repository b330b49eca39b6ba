#include "foundation/decoding_error.h"

#include "foundation/localized_string.h"

namespace vlt {

DecodingError::DecodingError(Kind kind, std::string codingPath, std::string detail)
    : kind_(kind), codingPath_(std::move(codingPath)), detail_(std::move(detail)) {}

std::string DecodingError::userMessage() const {
    return localizedStdString("The data couldn’t be read because it isn’t in the correct format.");
}

ErrorPtr makeDecodingError(DecodingError::Kind kind, std::string codingPath, std::string detail) {
    return makeError<DecodingError>(kind, std::move(codingPath), std::move(detail));
}

}  // namespace vlt
