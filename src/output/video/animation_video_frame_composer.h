#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

#include "editing/annotations/annotation_object.h"

namespace vlt {

// Draws the annotations over a rendered video frame, in canvas pixel coordinates
// scaled to the frame, at the frame's morph scale as opacity: invisible on the
// Original, fully opaque on the Simulation. Labels and contact details never appear
// in the video. The frame must be the only holder of its pixels (no copy is made).
// Any thread.
void drawAnimationVideoAnnotations(QImage& frame, std::int64_t canvasWidth, std::int64_t canvasHeight,
                                   const std::vector<AnnotationObject>& annotations, float opacity);

}  // namespace vlt
