#pragma once

#include "import/crop_aspect_ratio.h"
#include "import/crop_corner.h"
#include "import/crop_transform_command.h"
#include "import/image_point.h"
#include "import/image_rect.h"
#include "import/image_size.h"

namespace vlt {

// The non-destructive crop with the user's orientation. The crop rectangle lives in
// the displayed image: the EXIF-oriented source turned by clockwiseQuarterTurns.
// Every operation keeps the crop finite, of positive size and inside that image.
struct CropSelection {
    CropSelection(ImageSize exifOrientedSize, double minimumSize);

    ImageSize exifOrientedSize;
    // The smallest side a corner drag may leave, unless the image itself is smaller.
    double minimumSize = 1;
    // The orientation of the picture combined with the mirror; flips change it too.
    int clockwiseQuarterTurns = 0;
    // The rotation the user asked for, shown as an angle; flips leave it alone.
    int displayClockwiseQuarterTurns = 0;
    bool isHorizontallyFlipped = false;
    ImageRect crop;
    CropAspectRatio aspectRatio = CropAspectRatio::free;

    // exifOrientedSize, with its sides exchanged for an odd number of turns.
    ImageSize displayedSize() const;

    void resetToFullImage();
    bool isFullImage() const;

    // Stores the constraint and centres the largest crop of that ratio.
    void setAspectRatio(CropAspectRatio newAspectRatio);
    // Moves the crop without changing its size; it stops at the image edges.
    void move(double dx, double dy);
    // Drags a corner to a pointer position in displayed-image pixels; the opposite
    // corner stays put. Uses the free or the ratio drag as the constraint says.
    void dragCorner(CropCorner corner, ImagePoint pointer);
    void dragCornerFree(CropCorner corner, ImagePoint pointer);
    void dragCorner(CropCorner corner, ImagePoint pointer, double ratio);

    void apply(CropTransformCommand command);

    friend bool operator==(const CropSelection&, const CropSelection&) = default;

private:
    void rotateLeftStep();
    void rotateRightStep();
    void flipHorizontalStep();
    void flipVerticalStep();
    void resetOrientation();
    void clampCropIntoDisplayedImage();
    void checkInvariant() const;
};

}  // namespace vlt
