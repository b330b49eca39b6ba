#pragma once

#include <QPainterPath>
#include <QRectF>

namespace vlt {

// Two interlocking right angles: the crop symbol of the inspector heading.
struct CropFrameGlyph {
    static QPainterPath path(const QRectF& rect);
};

}  // namespace vlt
