#pragma once

#include <QUuid>

#include "editing/annotations/annotation_content.h"
#include "editing/engine/float2.h"

namespace vlt {

// One annotation on the canvas. Moving it changes only its translation; editing a
// text replaces only its content; its identifier never changes.
struct AnnotationObject {
    QUuid id;
    AnnotationContent content;
    // Added to every coordinate of the content when drawn or hit-tested.
    Float2 translation;

    friend bool operator==(const AnnotationObject&, const AnnotationObject&) = default;
};

}  // namespace vlt
