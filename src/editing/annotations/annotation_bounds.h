#pragma once

#include <QRectF>

#include "editing/annotations/annotation_content.h"

namespace vlt {

// The rectangle an annotation covers with its halo, in the content's coordinates; the
// null rectangle for a stroke without points.
QRectF annotationContentBounds(const AnnotationContent& content);

}  // namespace vlt
