#include "editing/renderer/frame_cost_estimate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vlt {

namespace {

bool isUsableDuration(double seconds) { return std::isfinite(seconds) && seconds >= 0.0; }

}  // namespace

std::int64_t FrameCostEstimate::stampWork(const PixelRegion& affectedRegion) {
    if (!affectedRegion.hasPixels()) return 0;
    return affectedRegion.pixelCount() + kStampAllowancePixels;
}

void FrameCostEstimate::recordComposition(std::int64_t work, double seconds) {
    if (work <= 0 || !isUsableDuration(seconds)) return;
    compositions_[nextComposition_] = {work, seconds};
    nextComposition_ = (nextComposition_ + 1) % compositions_.size();
    compositionCount_ = std::min(compositionCount_ + 1, compositions_.size());
}

void FrameCostEstimate::recordDraw(double seconds) {
    if (!isUsableDuration(seconds)) return;
    draws_[nextDraw_] = seconds;
    nextDraw_ = (nextDraw_ + 1) % draws_.size();
    drawCount_ = std::min(drawCount_ + 1, draws_.size());
}

std::optional<std::int64_t> FrameCostEstimate::compositionWorkWithin(double frameSeconds) const {
    if (compositionCount_ == 0) return std::nullopt;
    double drawSeconds = 0.0;
    for (std::size_t index = 0; index < drawCount_; ++index) drawSeconds += draws_[index];
    if (drawCount_ > 0) drawSeconds /= static_cast<double>(drawCount_);
    const double composingSeconds = std::max(frameSeconds - drawSeconds, 0.0);
    // Totals rather than an average of rates, so that a large composition counts for
    // more than a small one whose time is mostly fixed costs.
    double work = 0.0;
    double spent = 0.0;
    for (std::size_t index = 0; index < compositionCount_; ++index) {
        work += static_cast<double>(compositions_[index].work);
        spent += compositions_[index].seconds;
    }
    const double limit = static_cast<double>(std::numeric_limits<std::int64_t>::max() / 2);
    if (!(spent > 0.0)) return static_cast<std::int64_t>(limit);
    return std::llround(std::min(composingSeconds * work / spent, limit));
}

}  // namespace vlt
