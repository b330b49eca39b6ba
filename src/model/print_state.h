#pragma once

#include <optional>

#include <QString>

namespace vlt {

// The print area of the application model: a print being prepared or shown, and the
// failure card after one failed.
struct PrintState {
    // From the Print command until the outcome; locks the window meanwhile.
    bool isPrinting = false;
    // The failure card's message; its own fallback sentence when empty.
    std::optional<QString> printErrorMessage;
    bool showsPrintError = false;

    bool operator==(const PrintState&) const = default;
};

}  // namespace vlt
