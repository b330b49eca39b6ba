#pragma once

#include "platform/share/share_picker.h"

namespace vlt {

// Follows one share from the menu to the chosen service and delivers its one outcome.
// The menu and the service both report here; whichever reports first decides, and
// every later report (a service that says shared and then failed, a menu closing
// after its choice) is ignored. After the outcome the coordinator holds nothing.
class SharePickerCoordinator {
public:
    explicit SharePickerCoordinator(SharePickerCompletion completion) : completion_(std::move(completion)) {}

    void finish(const SharePickerOutcome& outcome);
    bool isFinished() const { return !completion_; }

private:
    SharePickerCompletion completion_;
};

}  // namespace vlt
