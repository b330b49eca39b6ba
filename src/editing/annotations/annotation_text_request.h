#pragma once

#include <variant>

#include <QString>
#include <QUuid>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/annotations/unicode_text.h"
#include "editing/engine/float2.h"

namespace vlt {

// Asks the editor screen to open the text entry sheet.
struct AnnotationTextRequest {
    // Place a new text with its box's top-left corner at origin, in the colour and
    // font captured when the user clicked.
    struct Add {
        Float2 origin;
        AnnotationColor color;
        AnnotationFontStyle font;

        friend bool operator==(const Add&, const Add&) = default;
    };

    // Replace the text of an existing text annotation.
    struct Edit {
        QUuid annotationID;

        friend bool operator==(const Edit&, const Edit&) = default;
    };

    using Purpose = std::variant<Add, Edit>;

    // Fresh for every request.
    QUuid id;
    Purpose purpose;
    // Empty for a new text.
    QString initialText;

    friend bool operator==(const AnnotationTextRequest& a, const AnnotationTextRequest& b) {
        return a.id == b.id && a.purpose == b.purpose && canonicallyEquivalent(a.initialText, b.initialText);
    }
};

}  // namespace vlt
