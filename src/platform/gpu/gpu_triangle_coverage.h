#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace vlt {

// A point in target pixels: x to the right, y downward, pixel (i, j) centred at
// (i + 0.5, j + 0.5).
struct GpuScreenPoint {
    double x = 0.0;
    double y = 0.0;
};

// Which pixel centres a triangle covers. A centre exactly on an edge belongs to the
// triangle only on a top or left edge, and both triangles sharing an edge evaluate
// it with the same arithmetic, so a quad split into two triangles covers each pixel
// exactly once and a rectangle [x0, x1) × [y0, y1) covers exactly its pixels.
class GpuTriangleCoverage {
public:
    // Covers nothing.
    GpuTriangleCoverage() = default;
    explicit GpuTriangleCoverage(const std::array<GpuScreenPoint, 3>& vertices);

    bool isEmpty() const { return empty_; }
    // Rows that may hold covered centres: [firstRow, endRow).
    std::int64_t firstRow() const { return firstRow_; }
    std::int64_t endRow() const { return endRow_; }

    // The covered columns [begin, end) of one row, within [minX, maxX); begin ≥ end
    // when none.
    std::pair<std::int64_t, std::int64_t> rowSpan(std::int64_t row, std::int64_t minX, std::int64_t maxX) const;

    bool covers(std::int64_t column, std::int64_t row) const;

private:
    struct Edge {
        GpuScreenPoint from;
        GpuScreenPoint to;
        // +1 or −1 so that the inside of the triangle is positive.
        double sign = 1.0;
        // How the signed value grows with x.
        double slopeX = 0.0;
        bool includesBoundary = false;

        double value(double x, double y) const {
            return sign * ((to.x - from.x) * (y - from.y) - (to.y - from.y) * (x - from.x));
        }
        bool inside(double x, double y) const {
            const double v = value(x, y);
            return v > 0.0 || (v == 0.0 && includesBoundary);
        }
    };

    bool insideAll(double x, double y) const;

    std::array<Edge, 3> edges_{};
    bool empty_ = true;
    std::int64_t firstRow_ = 0;
    std::int64_t endRow_ = 0;
};

}  // namespace vlt
