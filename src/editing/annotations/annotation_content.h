#pragma once

#include <variant>

#include "editing/annotations/annotation_shape.h"
#include "editing/annotations/annotation_stroke.h"
#include "editing/annotations/annotation_text.h"

namespace vlt {

// What an annotation draws: a freehand stroke, a shape or a text.
using AnnotationContent = std::variant<AnnotationStroke, AnnotationShape, AnnotationText>;

}  // namespace vlt
