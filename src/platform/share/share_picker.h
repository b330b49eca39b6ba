#pragma once

#include <functional>

#include <QString>

#include "base/result.h"
#include "platform/share/share_menu_driver.h"

namespace vlt {

// How one share ended: shared, left without a choice, or failed in the chosen service.
struct SharePickerOutcome {
    enum class Kind { failed, cancelled, shared };

    Kind kind = Kind::cancelled;
    // The service that failed and what it reported; read only when it failed. The
    // person is told which one: a missing mail program is not a missing file manager.
    ShareMenuEntry failedService = ShareMenuEntry::openWith;
    ErrorPtr error;

    static SharePickerOutcome shared() { return {Kind::shared, {}, nullptr}; }
    static SharePickerOutcome cancelled() { return {Kind::cancelled, {}, nullptr}; }
    static SharePickerOutcome failed(ShareMenuEntry service, ErrorPtr error) {
        return {Kind::failed, service, std::move(error)};
    }
};

using SharePickerCompletion = std::function<void(const SharePickerOutcome&)>;

// Offers one prepared file to the desktop's sharing services. GUI thread only.
class SharePicker {
public:
    virtual ~SharePicker() = default;

    // Shows the picker for the file. When it cannot be shown nothing is shown and the
    // completion is never called: a cancellation when there is no window at all, the
    // share failure pickerUnavailable when the window is not on screen. Otherwise the
    // completion runs exactly once, on the GUI thread, with the outcome of this share,
    // and the picker keeps nothing of it afterwards.
    virtual VoidResult present(const QString& filePath, SharePickerCompletion completion) = 0;
};

}  // namespace vlt
