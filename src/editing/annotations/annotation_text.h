#pragma once

#include <QString>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/annotations/unicode_text.h"
#include "editing/engine/float2.h"

namespace vlt {

// A multi-line text placed on the canvas.
struct AnnotationText {
    // As entered, line breaks kept.
    QString text;
    // Top-left corner of the text box, canvas pixels.
    Float2 origin;
    AnnotationColor color;
    AnnotationFontStyle font;

    friend bool operator==(const AnnotationText& a, const AnnotationText& b) {
        return canonicallyEquivalent(a.text, b.text) && a.origin == b.origin && a.color == b.color && a.font == b.font;
    }
};

}  // namespace vlt
