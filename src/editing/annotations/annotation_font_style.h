#pragma once

#include <QString>

namespace vlt {

// The font of a text annotation. The size is in canvas pixels, so a text keeps its
// proportion to the photograph at any zoom and output size.
struct AnnotationFontStyle {
    // A family name as the font database knows it.
    QString family;
    float size = 24.0f;
    // On the font manager's 0...15 scale (font_manager_weight.h).
    int weight = 5;
    bool italic = false;

    // Family names compare as canonically equivalent Unicode.
    friend bool operator==(const AnnotationFontStyle& a, const AnnotationFontStyle& b);

    // The font an editor session starts with: bold Arial (or its metric twin) at a
    // size that suits the canvas.
    static AnnotationFontStyle defaultStyle(int canvasWidth, int canvasHeight);
};

// 4 % of the longer canvas side, between 24 and 160.
int defaultAnnotationFontSize(int canvasWidth, int canvasHeight);

}  // namespace vlt
