#include "editing/session/editor_help_texts.h"

#include "editing/engine/editor_text_lookup.h"

namespace vlt {

const QString& EditorHelpTexts::close() {
    static const QString text = editorText("Close");
    return text;
}

const QString& EditorHelpTexts::rotateOrFlipSource() {
    static const QString text = editorText("Rotate or flip the source image");
    return text;
}

const QString& EditorHelpTexts::chooseAnotherPhotograph() {
    static const QString text = editorText("Choose another local photograph");
    return text;
}

const QString& EditorHelpTexts::settings() {
    static const QString text = editorText("Settings");
    return text;
}

const QString& EditorHelpTexts::undo() {
    static const QString text = editorText("Undo the last action (Ctrl+Z)");
    return text;
}

const QString& EditorHelpTexts::redo() {
    static const QString text = editorText("Redo the last undone action (Ctrl+Shift+Z)");
    return text;
}

const QString& EditorHelpTexts::reset() {
    static const QString text = editorText("Reset all deformation and annotations");
    return text;
}

const QString& EditorHelpTexts::saveImages() {
    static const QString text = editorText("Save the complete Original, Simulation, or Comparison image");
    return text;
}

const QString& EditorHelpTexts::saveVideo() {
    static const QString text = editorText("Export the deformation animation as MP4");
    return text;
}

const QString& EditorHelpTexts::share() {
    static const QString text = editorText("Open the system share menu");
    return text;
}

const QString& EditorHelpTexts::print() {
    static const QString text = editorText("Use the system print workflow");
    return text;
}

const QString& EditorHelpTexts::reshapeTools() {
    static const QString text = editorText("Reshape tools");
    return text;
}

const QString& EditorHelpTexts::annotationTools() {
    static const QString text = editorText("Annotation tools");
    return text;
}

const QString& EditorHelpTexts::collapseToolbar() {
    static const QString text = editorText("Collapse toolbar (Ctrl+T)");
    return text;
}

const QString& EditorHelpTexts::expandToolbar() {
    static const QString text = editorText("Expand toolbar (Ctrl+T)");
    return text;
}

const QString& EditorHelpTexts::synchronizedZoom() {
    static const QString text = editorText("Synchronized zoom (Ctrl + mouse wheel)");
    return text;
}

const QString& EditorHelpTexts::actualPixels() {
    static const QString text = editorText("Show one source image pixel per layout pixel");
    return text;
}

const QString& EditorHelpTexts::fitImage() {
    static const QString text = editorText("Center and fit the complete image (F)");
    return text;
}

const QString& EditorHelpTexts::moveZoomedImage() {
    static const QString text = editorText("Move around a zoomed image (middle mouse button or Spacebar)");
    return text;
}

const QString& EditorHelpTexts::toggleComparisonLabels() {
    static const QString text = editorText("Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)");
    return text;
}

const QString& EditorHelpTexts::brushSize() {
    static const QString text = editorText("Adjust brush size (Alt + two-finger scroll or mouse wheel)");
    return text;
}

const QString& EditorHelpTexts::annotationColor() {
    static const QString text = editorText("Choose drawing and text color");
    return text;
}

const QString& EditorHelpTexts::annotationFont() {
    static const QString text = editorText("Choose the font used by the Text tool");
    return text;
}

const QString& EditorHelpTexts::editSelectedText() {
    static const QString text = editorText("Edit the selected text annotation");
    return text;
}

const QString& EditorHelpTexts::dismiss() {
    static const QString text = editorText("Dismiss");
    return text;
}

const QString& EditorHelpTexts::showInspector() {
    static const QString text = editorText("Show inspector");
    return text;
}

}  // namespace vlt
