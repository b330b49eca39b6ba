#pragma once

namespace vlt {

// Why the application is asked to close: the unsaved-changes question words itself
// after it, and each restart has its own state to reset when the user says no.
enum class ApplicationCloseIntent {
    close,
    restartForUpdate,
    restartForLanguage,
};

}  // namespace vlt
