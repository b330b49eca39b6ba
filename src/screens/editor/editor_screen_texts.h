#pragma once

#include <QString>

namespace vlt {

// The editor screen's own texts. The help texts of its controls and the tool, tab and
// mode vocabulary live with the editor session (EditorHelpTexts and the vocabulary
// files); these are the titles, captions and formats only the screen shows. Each fixed
// text is looked up once.
class EditorScreenTexts {
public:
    static const QString& openAnotherImage();
    static const QString& undo();
    static const QString& redo();
    static const QString& resetAll();
    static const QString& output();
    static const QString& saveImages();
    static const QString& saveVideo();
    static const QString& share();
    static const QString& inspectorCaption();
    static const QString& dismissEditorMessage();
    static const QString& zoomCaption();
    static const QString& zoomSliderAccessibility();
    static const QString& fit();
    static const QString& move();
    static const QString& label();
    static const QString& moveImageModeAccessibility();
    static const QString& comparisonLabelsAccessibility();
    // The viewport header's ends while its controls run past them.
    static const QString& scrollHeaderBack();
    static const QString& scrollHeaderForward();
    static const QString& hideInspector();
    static const QString& noShortcut();
    static const QString& toolDiameterAccessibility();
    static const QString& color();
    static const QString& font();
    static const QString& chooseEllipsis();
    static const QString& selectedTextCaption();
    static const QString& editText();
    static const QString& toolSuggestions();
    static const QString& canvasUnavailable();

    // "35%": the zoom readout.
    static QString zoomPercent(int percent);
    // "RESHAPE · PUSH": the inspector's heading.
    static QString inspectorHeading(const QString& modeTitle, const QString& toolTitle);
    // "Shortcut: P".
    static QString shortcut(QChar letter);
    // "24 px".
    static QString pixels(long long value);
    // "Editing canvas 4096 × 2731 px", without digit grouping.
    static QString editingCanvasSize(long long width, long long height);
};

}  // namespace vlt
