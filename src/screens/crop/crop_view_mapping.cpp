#include "screens/crop/crop_view_mapping.h"

#include <algorithm>

namespace vlt {

CropViewMapping CropViewMapping::make(QSizeF viewSize, const CropSelection& selection, ImageSize documentPreviewSize) {
    CropViewMapping mapping;
    mapping.fullResolutionSize = selection.displayedSize();
    mapping.previewSize =
        selection.clockwiseQuarterTurns % 2 == 0 ? documentPreviewSize : documentPreviewSize.transposed();

    const double pw = std::max<double>(static_cast<double>(mapping.previewSize.width), 1);
    const double ph = std::max<double>(static_cast<double>(mapping.previewSize.height), 1);
    const double availableWidth = std::max(viewSize.width() - 2 * kMargin, 1.0);
    const double availableHeight = std::max(viewSize.height() - 2 * kMargin, 1.0);
    const double scale = std::min(availableWidth / pw, availableHeight / ph);
    mapping.imageRect =
        QRectF((viewSize.width() - scale * pw) * 0.5, (viewSize.height() - scale * ph) * 0.5, scale * pw, scale * ph);

    const double dw = std::max<double>(static_cast<double>(mapping.fullResolutionSize.width), 1);
    const double dh = std::max<double>(static_cast<double>(mapping.fullResolutionSize.height), 1);
    const ImageRect& crop = selection.crop;
    const QRectF previewCrop(crop.x * pw / dw, crop.y * ph / dh, crop.width * pw / dw, crop.height * ph / dh);
    mapping.cropRect =
        QRectF(mapping.imageRect.left() + previewCrop.x() * scale, mapping.imageRect.top() + previewCrop.y() * scale,
               previewCrop.width() * scale, previewCrop.height() * scale);
    return mapping;
}

ImagePoint CropViewMapping::imagePoint(QPointF viewPoint) const {
    const double pw = std::max<double>(static_cast<double>(previewSize.width), 1);
    const double ph = std::max<double>(static_cast<double>(previewSize.height), 1);
    const double width = std::max(imageRect.width(), 1e-9);
    const double height = std::max(imageRect.height(), 1e-9);
    return {(viewPoint.x() - imageRect.left()) * pw / width * static_cast<double>(fullResolutionSize.width) / pw,
            (viewPoint.y() - imageRect.top()) * ph / height * static_cast<double>(fullResolutionSize.height) / ph};
}

}  // namespace vlt
