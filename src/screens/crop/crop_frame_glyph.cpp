#include "screens/crop/crop_frame_glyph.h"

namespace vlt {

QPainterPath CropFrameGlyph::path(const QRectF& r) {
    const double w = r.width();
    const double h = r.height();
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 0.27 * h);
    path.lineTo(r.left() + 0.73 * w, r.top() + 0.27 * h);
    path.lineTo(r.left() + 0.73 * w, r.bottom());
    path.moveTo(r.left() + 0.27 * w, r.top());
    path.lineTo(r.left() + 0.27 * w, r.top() + 0.73 * h);
    path.lineTo(r.right(), r.top() + 0.73 * h);
    return path;
}

}  // namespace vlt
