#include "ui/modal_surface_metrics.h"

#include <algorithm>

namespace vlt {

QSize ModalSurfaceMetrics::surfaceSize(QSize area) const {
    const int offeredWidth = area.width() - 2 * horizontalMargin;
    const int offeredHeight = area.height() - 2 * verticalMargin;
    const int width = std::max(std::min(offeredWidth, maximumWidth), minimumWidth);
    const int height = std::min(std::max(offeredHeight, minimumHeight), maximumHeight);
    return {width, height};
}

}  // namespace vlt
