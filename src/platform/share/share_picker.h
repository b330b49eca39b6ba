#pragma once

#include <functional>

#include <QString>

#include "base/result.h"

namespace vlt {

// How one share ended: shared, left without a choice, or failed in the chosen service.
struct SharePickerOutcome {
    enum class Kind { failed, cancelled, shared };

    Kind kind = Kind::cancelled;
    // What the service reported; set only when it failed.
    ErrorPtr error;

    static SharePickerOutcome shared() { return {Kind::shared, nullptr}; }
    static SharePickerOutcome cancelled() { return {Kind::cancelled, nullptr}; }
    static SharePickerOutcome failed(ErrorPtr error) { return {Kind::failed, std::move(error)}; }
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
