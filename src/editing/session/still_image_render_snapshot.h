#pragma once

#include <vector>

#include <QImage>

#include "editing/annotations/annotation_object.h"

namespace vlt {

// What every output composes from: the unedited canvas, the full-size rendered
// Simulation (annotations not yet drawn in) and the current annotation list.
struct StillImageRenderSnapshot {
    QImage original;
    QImage simulation;
    std::vector<AnnotationObject> annotations;
};

}  // namespace vlt
