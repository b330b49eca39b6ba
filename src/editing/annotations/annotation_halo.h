#pragma once

#include "editing/annotations/annotation_color.h"

namespace vlt {

// Every annotation is outlined in black or white so that it reads on any photograph:
// black when the colour's contrast ratio against black is at least 3 (relative
// luminance 0.1 and above), white otherwise.
AnnotationColor haloColor(const AnnotationColor& color);

// The sRGB relative luminance, 0...1.
double relativeLuminance(const AnnotationColor& color);

// Width of the halo beside a line of the given size: 0.2 × size within 1...4.
float annotationHaloWidth(float size);
// What the halo adds to a line's width (a halo on both sides): 2...8.
float annotationHaloExtraWidth(float size);
// Width of the outline around text glyphs: 0.06 × font size within 1...4.
float annotationTextHaloWidth(float fontSize);

}  // namespace vlt
