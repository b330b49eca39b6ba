#pragma once

#include <cstdlib>

#include <QImage>

namespace vlt::testing {

// Pixels whose brightness differs clearly between two pictures of one size: what a
// person notices, such as a focus ring that appears.
inline int clearlyChangedPixels(const QImage& first, const QImage& second) {
    int changed = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x)
            changed += std::abs(qGray(first.pixel(x, y)) - qGray(second.pixel(x, y))) > 40;
    }
    return changed;
}

}  // namespace vlt::testing
