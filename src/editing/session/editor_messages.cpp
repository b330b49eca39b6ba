#include "editing/session/editor_messages.h"

#include "editing/engine/editor_text_lookup.h"

namespace vlt {

const QString& EditorMessages::zoomedImageMoveHint() {
    static const QString text = editorText("Hold the middle mouse button or Spacebar to move the zoomed image.");
    return text;
}

const QString& EditorMessages::zoomInBeforeMoving() {
    static const QString text = editorText("Zoom in before moving the image");
    return text;
}

const QString& EditorMessages::originalImageReadOnly() {
    static const QString text = editorText("You can't modify the original image");
    return text;
}

const QString& EditorMessages::animateTabReadOnly() {
    static const QString text = editorText(
        "You can't modify the image on the Animate tab. Select the Simulation or Comparison tab "
        "to edit it.");
    return text;
}

const QString& EditorMessages::nothingToAnimate() {
    static const QString text = editorText("No edits have been made, so there is nothing to animate.");
    return text;
}

const QString& EditorMessages::stopAnimationHint() {
    static const QString text = editorText("To stop animation, select another tab.");
    return text;
}

const QString& EditorMessages::noAnimationToSave() {
    static const QString text = editorText("No edits have been made, so there is no animation to save.");
    return text;
}

const QString& EditorMessages::noChangesToSave() {
    static const QString text = editorText("No edits have been made, so there are no changes to save.");
    return text;
}

const QString& EditorMessages::alreadyOnOriginalTab() {
    static const QString text = editorText("You are already on the Original picture tab");
    return text;
}

const QString& EditorMessages::alreadyOnAnimationTab() {
    static const QString text = editorText("You are already on the Animation tab");
    return text;
}

const QString& EditorMessages::undoLimitReached() {
    static const QString text = editorText(
        "You\u2019ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or "
        "Eraser to remove earlier drawing.");
    return text;
}

const QString& EditorMessages::sharedImageLocked() {
    static const QString text = editorText("The temporary shared image is locked and will be removed later.");
    return text;
}

}  // namespace vlt
