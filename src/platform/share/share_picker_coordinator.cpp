#include "platform/share/share_picker_coordinator.h"

#include <utility>

namespace vlt {

void SharePickerCoordinator::finish(const SharePickerOutcome& outcome) {
    if (!completion_) return;
    // Cleared before the call, so a report made from inside the completion is late too.
    SharePickerCompletion completion = std::exchange(completion_, nullptr);
    completion(outcome);
}

}  // namespace vlt
