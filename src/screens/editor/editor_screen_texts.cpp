#include "screens/editor/editor_screen_texts.h"

#include <QLocale>

#include "foundation/localized_string.h"

namespace vlt {

const QString& EditorScreenTexts::openAnotherImage() {
    static const QString text = localizedString("Open another image");
    return text;
}

const QString& EditorScreenTexts::undo() {
    static const QString text = localizedString("Undo");
    return text;
}

const QString& EditorScreenTexts::redo() {
    static const QString text = localizedString("Redo");
    return text;
}

const QString& EditorScreenTexts::resetAll() {
    static const QString text = localizedString("Reset all");
    return text;
}

const QString& EditorScreenTexts::output() {
    static const QString text = localizedString("Output");
    return text;
}

const QString& EditorScreenTexts::saveImages() {
    static const QString text = localizedString("Save images…");
    return text;
}

const QString& EditorScreenTexts::saveVideo() {
    static const QString text = localizedString("Save video…");
    return text;
}

const QString& EditorScreenTexts::share() {
    static const QString text = localizedString("Share…");
    return text;
}

const QString& EditorScreenTexts::inspectorCaption() {
    static const QString text = localizedString("INSPECTOR");
    return text;
}

const QString& EditorScreenTexts::dismissEditorMessage() {
    static const QString text = localizedString("Dismiss editor message");
    return text;
}

const QString& EditorScreenTexts::zoomCaption() {
    static const QString text = localizedString("ZOOM");
    return text;
}

const QString& EditorScreenTexts::zoomSliderAccessibility() {
    static const QString text = localizedString("Zoom from Fit to sixteen times Fit");
    return text;
}

const QString& EditorScreenTexts::scrollHeaderBack() {
    static const QString text = localizedString("Scroll left");
    return text;
}

const QString& EditorScreenTexts::scrollHeaderForward() {
    static const QString text = localizedString("Scroll right");
    return text;
}

const QString& EditorScreenTexts::fit() {
    static const QString text = localizedString("Fit");
    return text;
}

const QString& EditorScreenTexts::move() {
    static const QString text = localizedString("Move");
    return text;
}

const QString& EditorScreenTexts::label() {
    static const QString text = localizedString("Label");
    return text;
}

const QString& EditorScreenTexts::moveImageModeAccessibility() {
    static const QString text = localizedString("Move image mode");
    return text;
}

const QString& EditorScreenTexts::comparisonLabelsAccessibility() {
    static const QString text = localizedString("Show image labels in Comparison");
    return text;
}

const QString& EditorScreenTexts::hideInspector() {
    static const QString text = localizedString("Hide inspector");
    return text;
}

const QString& EditorScreenTexts::noShortcut() {
    static const QString text = localizedString("No shortcut available");
    return text;
}

const QString& EditorScreenTexts::toolDiameterAccessibility() {
    static const QString text = localizedString("Tool diameter");
    return text;
}

const QString& EditorScreenTexts::color() {
    static const QString text = localizedString("Color");
    return text;
}

const QString& EditorScreenTexts::font() {
    static const QString text = localizedString("Font");
    return text;
}

const QString& EditorScreenTexts::chooseEllipsis() {
    static const QString text = localizedString("Choose…");
    return text;
}

const QString& EditorScreenTexts::selectedTextCaption() {
    static const QString text = localizedString("SELECTED TEXT");
    return text;
}

const QString& EditorScreenTexts::editText() {
    static const QString text = localizedString("Edit text");
    return text;
}

const QString& EditorScreenTexts::toolSuggestions() {
    static const QString text = localizedString("Tool Suggestions");
    return text;
}

const QString& EditorScreenTexts::canvasUnavailable() {
    static const QString text = localizedString("The editing canvas cannot be used.");
    return text;
}

QString EditorScreenTexts::zoomPercent(int percent) {
    static const QString format = localizedString("%1%");
    return format.arg(percent);
}

QString EditorScreenTexts::inspectorHeading(const QString& modeTitle, const QString& toolTitle) {
    static const QString format = localizedString("%1 · %2");
    // Upper case as the interface language writes it (Turkish "i" becomes "İ").
    const QLocale locale;
    return format.arg(locale.toUpper(modeTitle), locale.toUpper(toolTitle));
}

QString EditorScreenTexts::shortcut(QChar letter) {
    static const QString format = localizedString("Shortcut: %1");
    return format.arg(letter);
}

QString EditorScreenTexts::pixels(long long value) {
    static const QString format = localizedString("%1 px");
    return format.arg(value);
}

QString EditorScreenTexts::editingCanvasSize(long long width, long long height) {
    static const QString format = localizedString("Editing canvas %1 × %2 px");
    return format.arg(width).arg(height);
}

}  // namespace vlt
