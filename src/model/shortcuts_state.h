#pragma once

namespace vlt {

// The shortcuts area of the application model: the Shortcuts dialog.
struct ShortcutsState {
    bool isShortcutsPresented = false;

    bool operator==(const ShortcutsState&) const = default;
};

}  // namespace vlt
