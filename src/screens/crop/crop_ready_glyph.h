#pragma once

#include <QPainterPath>
#include <QRectF>

namespace vlt {

// A check mark, drawn before "Crop ready".
struct CropReadyGlyph {
    static QPainterPath path(const QRectF& rect);
};

}  // namespace vlt
