#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "import/crop_selection.h"
#include "import/image_point.h"
#include "import/image_size.h"

namespace vlt {

// Where the preview and the crop lie in the crop surface, and the conversion from view
// points to displayed-image pixels. Recomputed on every layout.
struct CropViewMapping {
    // The displayed size of the selection, in full-resolution pixels.
    ImageSize fullResolutionSize;
    // The document's preview size, turned like the selection.
    ImageSize previewSize;
    QRectF imageRect;
    QRectF cropRect;

    // A 9-point margin is kept on every side of the fitted preview.
    static constexpr double kMargin = 9;

    static CropViewMapping make(QSizeF viewSize, const CropSelection& selection, ImageSize documentPreviewSize);

    // Points outside the image give pixels outside it; the geometry operations clamp.
    ImagePoint imagePoint(QPointF viewPoint) const;
};

}  // namespace vlt
