#include "import/image_rect.h"

#include <algorithm>

namespace vlt {

ImageRect ImageRect::fitted(double displayedWidth, double displayedHeight) const {
    const double fittedWidth = std::min(width, displayedWidth);
    const double fittedHeight = std::min(height, displayedHeight);
    return {
        std::min(std::max(x, 0.0), displayedWidth - fittedWidth),
        std::min(std::max(y, 0.0), displayedHeight - fittedHeight),
        fittedWidth,
        fittedHeight,
    };
}

}  // namespace vlt
