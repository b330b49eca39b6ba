#pragma once

#include <QString>

#include "base/result.h"

namespace vlt {

// Reads the installation identity sent with feedback, creating its file on first use.
class FeedbackIdentityStoring {
public:
    virtual ~FeedbackIdentityStoring() = default;
    // The 32-character identity, or why the file could not be read or written; a
    // failure leaves the file as it was.
    virtual Result<QString> loadOrCreate() = 0;
};

}  // namespace vlt
