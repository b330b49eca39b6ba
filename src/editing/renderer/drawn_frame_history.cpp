#include "editing/renderer/drawn_frame_history.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

// Whole pixels added on every side of a damaged rectangle: a sample's footprint
// reaches one texel beyond its own, and float rounding of positions is far below one.
constexpr double kDamageMarginPixels = 2.0;
constexpr double kPixelCentre = 0.5;
// Beyond any target; keeps conversions to integers defined.
constexpr double kCoordinateLimit = 1.0e12;

PixelRegion united(const PixelRegion& a, const PixelRegion& b) {
    if (!a.hasPixels()) return b;
    if (!b.hasPixels()) return a;
    const std::int64_t left = std::min(a.x, b.x);
    const std::int64_t top = std::min(a.y, b.y);
    const std::int64_t right = std::max(a.x + a.width, b.x + b.width);
    const std::int64_t bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

std::int64_t wholePixel(double value) {
    return static_cast<std::int64_t>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

}  // namespace

void DrawnFrameHistory::fieldChanged(const PixelRegion& region) {
    if (!region.hasPixels()) return;
    for (Frame& frame : frames_) {
        if (frame.contentsTag != GpuTexture::kUnknownContents) frame.changedField = united(frame.changedField, region);
    }
}

void DrawnFrameHistory::fieldChangedEverywhere() {
    for (Frame& frame : frames_) frame.changedEverywhere = true;
}

DrawnFrameHistory::Start DrawnFrameHistory::startFrame(const GpuTexture& target, const DrawnFrameLayout& layout) {
    Start start;
    start.contentsTag = GpuTexture::makeContentsTag();
    auto shown = std::find_if(frames_.begin(), frames_.end(), [&](const Frame& f) { return f.target == &target; });
    if (shown != frames_.end() && !shown->changedEverywhere && shown->layout == layout) {
        start.reuse = Reuse{shown->contentsTag, shown->changedField};
    }
    // The frame the target showed is kept, detached from it, for what it tells about
    // later frames; the new one takes the oldest place.
    if (shown != frames_.end()) shown->target = nullptr;
    Frame& slot =
        *std::min_element(frames_.begin(), frames_.end(), [](const Frame& a, const Frame& b) { return a.age < b.age; });
    slot.target = &target;
    slot.contentsTag = start.contentsTag;
    slot.age = ++clock_;
    // Assigned in place, so a steady stream of frames reuses the panes' storage.
    slot.layout = layout;
    slot.changedEverywhere = false;
    slot.changedField = {};
    return start;
}

const DrawnFrameHistory::Frame* DrawnFrameHistory::find(std::uint64_t contentsTag) const {
    if (contentsTag == GpuTexture::kUnknownContents) return nullptr;
    const auto found = std::find_if(frames_.begin(), frames_.end(),
                                    [&](const Frame& frame) { return frame.contentsTag == contentsTag; });
    return found == frames_.end() ? nullptr : &*found;
}

std::optional<PixelRegion> DrawnFrameHistory::fieldChangedBetween(std::uint64_t older, std::uint64_t newer) const {
    const Frame* first = find(older);
    const Frame* second = find(newer);
    if (first == nullptr || second == nullptr || first->age > second->age || first->changedEverywhere ||
        !(first->layout == second->layout)) {
        return std::nullopt;
    }
    return first->changedField;
}

const DrawnFrameLayout* DrawnFrameHistory::layoutOf(std::uint64_t contentsTag) const {
    const Frame* frame = find(contentsTag);
    return frame == nullptr ? nullptr : &frame->layout;
}

GpuScissorRect pixelsSamplingField(const PixelRegion& changedField, const QRectF& imageRect, std::int64_t canvasWidth,
                                   std::int64_t canvasHeight) {
    if (!changedField.hasPixels()) return {};
    // A target pixel centred at p samples the field around canvas position
    // (p − origin) · canvas / size − ½, touching the texel below it and the next;
    // so texels [first, end) reach the positions [first − 1, end).
    const double perTexelX = imageRect.width() / static_cast<double>(std::max<std::int64_t>(canvasWidth, 1));
    const double perTexelY = imageRect.height() / static_cast<double>(std::max<std::int64_t>(canvasHeight, 1));
    const double left = imageRect.x() + (static_cast<double>(changedField.x) - kPixelCentre) * perTexelX -
                        kPixelCentre - kDamageMarginPixels;
    const double right = imageRect.x() +
                         (static_cast<double>(changedField.x + changedField.width) + kPixelCentre) * perTexelX -
                         kPixelCentre + kDamageMarginPixels;
    const double top = imageRect.y() + (static_cast<double>(changedField.y) - kPixelCentre) * perTexelY - kPixelCentre -
                       kDamageMarginPixels;
    const double bottom = imageRect.y() +
                          (static_cast<double>(changedField.y + changedField.height) + kPixelCentre) * perTexelY -
                          kPixelCentre + kDamageMarginPixels;
    const bool usable = perTexelX > 0.0 && perTexelY > 0.0 && std::isfinite(left) && std::isfinite(right) &&
                        std::isfinite(top) && std::isfinite(bottom);
    if (!usable) {
        // Nothing sensible can be said: everything may have changed.
        const std::int64_t huge = static_cast<std::int64_t>(kCoordinateLimit);
        return {-huge, -huge, 2 * huge, 2 * huge};
    }
    const std::int64_t x0 = wholePixel(std::floor(left));
    const std::int64_t y0 = wholePixel(std::floor(top));
    const std::int64_t x1 = wholePixel(std::ceil(right)) + 1;
    const std::int64_t y1 = wholePixel(std::ceil(bottom)) + 1;
    return {x0, y0, std::max<std::int64_t>(x1 - x0, 0), std::max<std::int64_t>(y1 - y0, 0)};
}

}  // namespace vlt
