#pragma once

#include <QString>

namespace vlt {

// Help texts and labels of the editor's and crop screen's controls, each looked up once.
// Key names follow the platform: Ctrl and Alt.
class EditorHelpTexts {
public:
    static const QString& close();
    static const QString& rotateOrFlipSource();
    static const QString& chooseAnotherPhotograph();
    static const QString& settings();
    static const QString& undo();
    static const QString& redo();
    static const QString& reset();
    static const QString& saveImages();
    static const QString& saveVideo();
    static const QString& share();
    static const QString& print();
    static const QString& reshapeTools();
    static const QString& annotationTools();
    static const QString& collapseToolbar();
    static const QString& expandToolbar();
    static const QString& synchronizedZoom();
    static const QString& actualPixels();
    static const QString& fitImage();
    static const QString& moveZoomedImage();
    static const QString& toggleComparisonLabels();
    static const QString& brushSize();
    static const QString& annotationColor();
    static const QString& annotationFont();
    static const QString& editSelectedText();
    static const QString& dismiss();
    static const QString& showInspector();
};

}  // namespace vlt
