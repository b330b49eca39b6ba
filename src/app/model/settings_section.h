#pragma once

namespace vlt {

// The sections of the settings dialog, in the order the dialog shows them; the menu
// commands open the dialog at one of them.
enum class SettingsSection {
    contactInformation,
    comparisonLabels,
    language,
    performance,
};

}  // namespace vlt
