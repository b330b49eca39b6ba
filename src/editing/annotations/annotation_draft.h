#pragma once

#include <variant>

#include "editing/annotations/annotation_shape.h"
#include "editing/annotations/annotation_stroke.h"

namespace vlt {

// The stroke or shape being drawn, shown before it is recorded.
using AnnotationDraft = std::variant<AnnotationStroke, AnnotationShape>;

}  // namespace vlt
