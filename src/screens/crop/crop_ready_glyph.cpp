#include "screens/crop/crop_ready_glyph.h"

namespace vlt {

QPainterPath CropReadyGlyph::path(const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 0.52 * r.height());
    path.lineTo(r.left() + 0.37 * r.width(), r.bottom());
    path.lineTo(r.right(), r.top());
    return path;
}

}  // namespace vlt
