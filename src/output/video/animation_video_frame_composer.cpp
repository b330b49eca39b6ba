#include "output/video/animation_video_frame_composer.h"

#include <algorithm>

#include <QPainter>

#include "editing/annotations/annotation_drawing.h"

namespace vlt {

void drawAnimationVideoAnnotations(QImage& frame, std::int64_t canvasWidth, std::int64_t canvasHeight,
                                   const std::vector<AnnotationObject>& annotations, float opacity) {
    if (!(opacity > 0.0f) || annotations.empty() || canvasWidth < 1 || canvasHeight < 1) return;
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setOpacity(std::min(opacity, 1.0f));
    painter.scale(static_cast<double>(frame.width()) / static_cast<double>(canvasWidth),
                  static_cast<double>(frame.height()) / static_cast<double>(canvasHeight));
    for (const AnnotationObject& annotation : annotations) drawAnnotationObject(painter, annotation);
}

}  // namespace vlt
