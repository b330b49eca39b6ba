#pragma once

#include "editing/annotations/annotation_content.h"
#include "editing/annotations/annotation_shape.h"
#include "editing/engine/float2.h"

namespace vlt {

// Hit tests in the content's own coordinates (callers subtract the object's
// translation). The tolerance is in canvas pixels; a negative one counts as 0. Lines
// are hit within their half width plus halo plus tolerance; outlines only near the
// outline; filled kinds anywhere inside.
bool annotationShapeHitTest(const AnnotationShape& shape, Float2 point, float tolerance);
bool annotationContentHitTest(const AnnotationContent& content, Float2 point, float tolerance);

}  // namespace vlt
