#pragma once

namespace vlt {

// Why the editor is asked to commit pending gestures and text entry: an output is
// about to read its state, or the window is about to close (a held click is then
// dropped rather than performed).
enum class EditorStatePreparationIntent {
    output,
    close,
};

}  // namespace vlt
