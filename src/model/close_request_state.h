#pragma once

#include <optional>

#include "model/application_close_intent.h"

namespace vlt {

// The close request area of the application model: one close, quit or restart waiting
// for the editor to commit its work or for the user's answer.
struct CloseRequestState {
    bool isCloseRequestPending = false;
    // The editor is still committing; the question, if any, comes after.
    bool isClosePreparationPending = false;
    std::optional<ApplicationCloseIntent> pendingCloseIntent;

    bool operator==(const CloseRequestState&) const = default;
};

}  // namespace vlt
