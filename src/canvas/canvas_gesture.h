#pragma once

namespace vlt {

// The gesture that holds the canvas's pointer. The press that starts a gesture picks
// it, every later move goes to it, and the release of its button ends it; a press of
// another button meanwhile starts nothing. A command may finish the gesture's work
// early (a tool letter ends a stroke, Escape drops a drawing); its later moves then
// change nothing until the release.
enum class CanvasGesture {
    none,
    // The image follows the pointer: the middle button, or the primary one in move mode
    // or with the Spacebar held.
    pan,
    // A press on an annotation, held back for the double-click interval.
    heldAnnotationClick,
    // Select / move, drawing, a shape or the eraser.
    annotation,
    // A reshaping brush stroke.
    stroke,
};

}  // namespace vlt
