#pragma once

namespace vlt {

// Why the editor's work is about to go: the application closes or restarts, or another
// image takes the editor's place. The unsaved-changes question words itself after it,
// and each restart has its own state to reset when the user says no.
enum class ApplicationCloseIntent {
    close,
    restartForUpdate,
    restartForLanguage,
    openAnotherImage,
};

}  // namespace vlt
