#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace vlt {

// The services' answer to a submission (feedback, crash report): whether it was
// accepted, whether it repeated an earlier one, the identifier of what was submitted
// (under a key of the caller's choosing) and how the service's own notification went.
struct SubmissionReply {
    bool accepted = false;
    bool duplicate = false;
    std::string identifier;
    std::string notificationStatus;

    // Decodes strictly: all four keys are required with their types (a DecodingError
    // otherwise); further keys are ignored.
    static Result<SubmissionReply> decode(std::string_view body, const char* identifierKey);

    // The service took exactly what was sent: accepted, the identifier is the sent one
    // and 32 lower-case hexadecimal characters, the notification status one of "sent",
    // "failed" and "pending". "duplicate" does not matter: a resent submission counts.
    bool confirms(std::string_view sentIdentifier) const;
};

}  // namespace vlt
