#pragma once

namespace vlt {

// The immediate answer to a close request.
enum class CloseRequestDecision {
    // Nothing to protect: close at once; the completion is never called.
    closeNow,
    // The completion will be called exactly once with the decision.
    awaitingDecision,
    // Another request is pending; this one is dropped and its completion never called.
    alreadyPending,
};

}  // namespace vlt
