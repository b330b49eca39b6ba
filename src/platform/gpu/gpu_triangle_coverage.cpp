#include "platform/gpu/gpu_triangle_coverage.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

constexpr double kPixelCentre = 0.5;

bool precedes(const GpuScreenPoint& a, const GpuScreenPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

double centreOf(std::int64_t index) { return static_cast<double>(index) + kPixelCentre; }

}  // namespace

GpuTriangleCoverage::GpuTriangleCoverage(const std::array<GpuScreenPoint, 3>& v) {
    const double area = (v[1].x - v[0].x) * (v[2].y - v[0].y) - (v[1].y - v[0].y) * (v[2].x - v[0].x);
    if (area == 0.0 || !std::isfinite(area)) return;
    const double orientation = area > 0.0 ? 1.0 : -1.0;
    for (int i = 0; i < 3; ++i) {
        const GpuScreenPoint& a = v[i];
        const GpuScreenPoint& b = v[(i + 1) % 3];
        Edge& edge = edges_[i];
        // Shared edges are evaluated from the same end point by both triangles.
        const bool forward = precedes(a, b);
        edge.from = forward ? a : b;
        edge.to = forward ? b : a;
        edge.sign = forward ? orientation : -orientation;
        edge.slopeX = -edge.sign * (edge.to.y - edge.from.y);
        const double slopeY = edge.sign * (edge.to.x - edge.from.x);
        edge.includesBoundary = edge.slopeX > 0.0 || (edge.slopeX == 0.0 && slopeY > 0.0);
    }
    // Rows far outside any target are never asked for; the clamp keeps the
    // conversion to integers defined.
    const double rowLimit = 1.0e12;
    const double minY = std::clamp(std::min({v[0].y, v[1].y, v[2].y}), -rowLimit, rowLimit);
    const double maxY = std::clamp(std::max({v[0].y, v[1].y, v[2].y}), -rowLimit, rowLimit);
    firstRow_ = static_cast<std::int64_t>(std::floor(minY));
    endRow_ = static_cast<std::int64_t>(std::ceil(maxY)) + 1;
    empty_ = false;
}

bool GpuTriangleCoverage::insideAll(double x, double y) const {
    return edges_[0].inside(x, y) && edges_[1].inside(x, y) && edges_[2].inside(x, y);
}

bool GpuTriangleCoverage::covers(std::int64_t column, std::int64_t row) const {
    return !empty_ && insideAll(centreOf(column), centreOf(row));
}

std::pair<std::int64_t, std::int64_t> GpuTriangleCoverage::rowSpan(std::int64_t row, std::int64_t minX,
                                                                   std::int64_t maxX) const {
    if (empty_ || minX >= maxX || row < firstRow_ || row >= endRow_) return {minX, minX};
    const double y = centreOf(row);
    std::int64_t begin = minX;
    std::int64_t end = maxX;
    for (const Edge& edge : edges_) {
        if (edge.slopeX == 0.0) {
            if (!edge.inside(centreOf(minX), y)) return {minX, minX};
            continue;
        }
        // Estimate where the edge crosses the row, then settle the exact column with
        // the same test that decides coverage.
        const double reference = centreOf(minX);
        const double crossing = reference - edge.value(reference, y) / edge.slopeX - kPixelCentre;
        const double fallback = edge.slopeX > 0.0 ? static_cast<double>(minX) : static_cast<double>(maxX);
        const double estimate = std::isfinite(crossing)
                                    ? std::clamp(crossing, static_cast<double>(minX), static_cast<double>(maxX))
                                    : fallback;
        if (edge.slopeX > 0.0) {
            std::int64_t first = static_cast<std::int64_t>(std::ceil(estimate));
            while (first > minX && edge.inside(centreOf(first - 1), y)) --first;
            while (first < maxX && !edge.inside(centreOf(first), y)) ++first;
            begin = std::max(begin, first);
        } else {
            std::int64_t last = static_cast<std::int64_t>(std::floor(estimate)) + 1;
            last = std::min(last, maxX);
            while (last < maxX && edge.inside(centreOf(last), y)) ++last;
            while (last > minX && !edge.inside(centreOf(last - 1), y)) --last;
            end = std::min(end, last);
        }
    }
    if (begin >= end) return {minX, minX};
    return {begin, end};
}

}  // namespace vlt
