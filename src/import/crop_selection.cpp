#include "import/crop_selection.h"

#include <algorithm>
#include <cmath>

#include "base/precondition.h"

namespace vlt {
namespace {

constexpr double kFullImageTolerance = 1e-6;
// The clamp computes the far edge as (D - w) + w, which may round past D by an ulp.
constexpr double kEdgeRoundingTolerance = 1e-6;

bool isFinite(ImagePoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }

}  // namespace

CropSelection::CropSelection(ImageSize exifOrientedSize, double minimumSize)
    : exifOrientedSize(exifOrientedSize),
      minimumSize(std::max(minimumSize, 1.0)),
      crop{0, 0, double(exifOrientedSize.width), double(exifOrientedSize.height)} {
    VLT_PRECONDITION(exifOrientedSize.width >= 1 && exifOrientedSize.height >= 1,
                     "a crop selection needs an image of at least one pixel");
    VLT_PRECONDITION(std::isfinite(this->minimumSize), "the minimum crop size is finite");
}

ImageSize CropSelection::displayedSize() const {
    return clockwiseQuarterTurns % 2 == 0 ? exifOrientedSize : exifOrientedSize.transposed();
}

void CropSelection::resetToFullImage() {
    const ImageSize displayed = displayedSize();
    aspectRatio = CropAspectRatio::free;
    crop = {0, 0, double(displayed.width), double(displayed.height)};
}

bool CropSelection::isFullImage() const {
    const ImageSize displayed = displayedSize();
    return std::abs(crop.x) <= kFullImageTolerance && std::abs(crop.y) <= kFullImageTolerance &&
           std::abs(crop.width - double(displayed.width)) <= kFullImageTolerance &&
           std::abs(crop.height - double(displayed.height)) <= kFullImageTolerance;
}

void CropSelection::setAspectRatio(CropAspectRatio newAspectRatio) {
    aspectRatio = newAspectRatio;
    const std::optional<double> r = ratio(newAspectRatio);
    if (!r) return;

    const double dw = double(displayedSize().width);
    const double dh = double(displayedSize().height);
    const double width = dw / *r > dh ? *r * dh : dw;
    const double height = dw / *r > dh ? dh : dw / *r;
    crop = {
        std::min(std::max(dw * 0.5 - width * 0.5, 0.0), dw - width),
        std::min(std::max(dh * 0.5 - height * 0.5, 0.0), dh - height),
        width,
        height,
    };
    checkInvariant();
}

void CropSelection::move(double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return;
    const double dw = double(displayedSize().width);
    const double dh = double(displayedSize().height);
    crop.x = std::min(std::max(crop.x + dx, 0.0), dw - crop.width);
    crop.y = std::min(std::max(crop.y + dy, 0.0), dh - crop.height);
}

void CropSelection::dragCorner(CropCorner corner, ImagePoint pointer) {
    if (const std::optional<double> r = ratio(aspectRatio)) {
        dragCorner(corner, pointer, *r);
    } else {
        dragCornerFree(corner, pointer);
    }
}

void CropSelection::dragCornerFree(CropCorner corner, ImagePoint pointer) {
    // A pointer position that is not a number never reaches the geometry.
    if (!isFinite(pointer)) return;
    const double dw = double(displayedSize().width);
    const double dh = double(displayedSize().height);
    const double minimumWidth = std::min(minimumSize, dw);
    const double minimumHeight = std::min(minimumSize, dh);
    double left = crop.x;
    double top = crop.y;
    double right = crop.right();
    double bottom = crop.bottom();

    // A crop already narrower than the minimum (an image side under the minimum, a
    // preset fit) would otherwise push the moving edge past the image's origin; it
    // stays at the edge instead.
    const bool movesLeft = corner == CropCorner::topLeft || corner == CropCorner::bottomLeft;
    const bool movesTop = corner == CropCorner::topLeft || corner == CropCorner::topRight;
    if (movesLeft) {
        left = std::max(std::min(std::max(pointer.x, 0.0), right - minimumWidth), 0.0);
    } else {
        right = std::min(std::max(pointer.x, crop.x + minimumWidth), dw);
    }
    if (movesTop) {
        top = std::max(std::min(std::max(pointer.y, 0.0), bottom - minimumHeight), 0.0);
    } else {
        bottom = std::min(std::max(pointer.y, crop.y + minimumHeight), dh);
    }
    crop = {left, top, right - left, bottom - top};
    checkInvariant();
}

void CropSelection::dragCorner(CropCorner corner, ImagePoint pointer, double r) {
    if (!isFinite(pointer)) return;
    VLT_PRECONDITION(std::isfinite(r) && r > 0, "an aspect ratio is positive and finite");
    const double dw = double(displayedSize().width);
    const double dh = double(displayedSize().height);

    // The anchor is the corner opposite the dragged one; s points toward the dragged one.
    double ax = crop.x, ay = crop.y, sx = 1, sy = 1;
    switch (corner) {
    case CropCorner::topLeft:
        ax = crop.right();
        ay = crop.bottom();
        sx = -1;
        sy = -1;
        break;
    case CropCorner::topRight:
        ax = crop.x;
        ay = crop.bottom();
        sx = 1;
        sy = -1;
        break;
    case CropCorner::bottomRight:
        ax = crop.x;
        ay = crop.y;
        sx = 1;
        sy = 1;
        break;
    case CropCorner::bottomLeft:
        ax = crop.right();
        ay = crop.y;
        sx = -1;
        sy = 1;
        break;
    }

    const double dx = std::max(sx * (pointer.x - ax), 0.0);
    const double dy = std::max(sy * (pointer.y - ay), 0.0);
    const double candidateHeight = (dy + r * dx) / (r * r + 1);
    const double roomWidth = sx > 0 ? dw - ax : ax;
    const double roomHeight = sy > 0 ? dh - ay : ay;
    const double maximumHeight = std::min(roomHeight, roomWidth / r);
    const double minimumHeight =
        std::min(std::max(std::min(minimumSize, dw) / r, std::min(minimumSize, dh)), maximumHeight);
    const double height = std::min(maximumHeight, std::max(candidateHeight, minimumHeight));
    const double width = r * height;

    const ImageRect dragged{sx > 0 ? ax : ax - width, sy > 0 ? ay : ay - height, width, height};
    crop = dragged.fitted(dw, dh);
    checkInvariant();
}

void CropSelection::apply(CropTransformCommand command) {
    switch (command) {
    case CropTransformCommand::rotateLeft:
        rotateLeftStep();
        displayClockwiseQuarterTurns = (displayClockwiseQuarterTurns + 3) % 4;
        break;
    case CropTransformCommand::rotateRight:
        rotateRightStep();
        displayClockwiseQuarterTurns = (displayClockwiseQuarterTurns + 1) % 4;
        break;
    case CropTransformCommand::flipHorizontal:
        flipHorizontalStep();
        break;
    case CropTransformCommand::flipVertical:
        flipVerticalStep();
        break;
    case CropTransformCommand::resetOrientation:
        resetOrientation();
        break;
    }
    checkInvariant();
}

void CropSelection::rotateLeftStep() {
    const double dw = double(displayedSize().width);
    crop = {crop.y, dw - crop.x - crop.width, crop.height, crop.width};
    clockwiseQuarterTurns = (clockwiseQuarterTurns + 3) % 4;
    aspectRatio = transposed(aspectRatio);
    clampCropIntoDisplayedImage();
}

void CropSelection::rotateRightStep() {
    const double dh = double(displayedSize().height);
    crop = {dh - crop.y - crop.height, crop.x, crop.height, crop.width};
    clockwiseQuarterTurns = (clockwiseQuarterTurns + 1) % 4;
    aspectRatio = transposed(aspectRatio);
    clampCropIntoDisplayedImage();
}

void CropSelection::flipHorizontalStep() {
    const double dw = double(displayedSize().width);
    crop.x = dw - crop.x - crop.width;
    clockwiseQuarterTurns = (4 - clockwiseQuarterTurns) % 4;
    isHorizontallyFlipped = !isHorizontallyFlipped;
    clampCropIntoDisplayedImage();
}

void CropSelection::flipVerticalStep() {
    const double dh = double(displayedSize().height);
    crop.y = dh - crop.y - crop.height;
    clockwiseQuarterTurns = (2 - clockwiseQuarterTurns + 4) % 4;
    isHorizontallyFlipped = !isHorizontallyFlipped;
    clampCropIntoDisplayedImage();
}

void CropSelection::resetOrientation() {
    if (clockwiseQuarterTurns == 0 && !isHorizontallyFlipped) {
        displayClockwiseQuarterTurns = 0;
        return;
    }
    const int turns = clockwiseQuarterTurns;
    for (int step = 0; step < turns; ++step) rotateLeftStep();
    if (isHorizontallyFlipped) {
        const double dw = double(displayedSize().width);
        crop.x = dw - crop.x - crop.width;
        clampCropIntoDisplayedImage();
    }
    clockwiseQuarterTurns = 0;
    displayClockwiseQuarterTurns = 0;
    isHorizontallyFlipped = false;
}

void CropSelection::clampCropIntoDisplayedImage() {
    const ImageSize displayed = displayedSize();
    crop = crop.fitted(double(displayed.width), double(displayed.height));
}

void CropSelection::checkInvariant() const {
    const ImageSize displayed = displayedSize();
    VLT_PRECONDITION(
        std::isfinite(crop.x) && std::isfinite(crop.y) && std::isfinite(crop.width) && std::isfinite(crop.height),
        "the crop stays finite");
    VLT_PRECONDITION(crop.width > 0 && crop.height > 0, "the crop keeps a positive size");
    VLT_PRECONDITION(crop.x >= 0 && crop.y >= 0 && crop.right() <= double(displayed.width) + kEdgeRoundingTolerance &&
                         crop.bottom() <= double(displayed.height) + kEdgeRoundingTolerance,
                     "the crop stays inside the displayed image");
}

}  // namespace vlt
