#include "editing/preparation/editing_canvas.h"

#include "base/precondition.h"
#include "platform/image_io/image_source.h"

namespace vlt {

EditingCanvas::EditingCanvas(QUuid id, EditingCanvasDescriptor descriptor, QImage image)
    : id_(id), descriptor_(std::move(descriptor)), image_(std::move(image)) {
    // Made, the canvas needs nothing of the source's decode: it would hold its memory
    // and temporary file for as long as the editor lives.
    descriptor_.decodeCache.reset();
    VLT_PRECONDITION(descriptor_.canvasSize.width >= 1 && descriptor_.canvasSize.height >= 1,
                     "an editing canvas has at least one pixel on each side");
    VLT_PRECONDITION(image_.width() == descriptor_.canvasSize.width && image_.height() == descriptor_.canvasSize.height,
                     "the canvas image is exactly the canvas size");
}

Result<SharedEditingCanvas, EditingCanvasPreparationFailure> EditingCanvas::prepare(
    const EditingCanvasDescriptor& descriptor, std::stop_token stop) {
    using Case = EditingCanvasPreparationFailure::Case;

    // 1. The file must still be the one that was opened.
    if (descriptor.sourceFingerprint) {
        auto current = EditingSourceFingerprint::read(descriptor.sourceURL);
        if (!current) return current.error();
        if (!(current.value() == *descriptor.sourceFingerprint))
            return EditingCanvasPreparationFailure(Case::sourceChanged);
    }

    // 2. Open it again for decoding.
    if (!descriptor.sourceURL.isLocalFile()) return EditingCanvasPreparationFailure(Case::sourceUnavailable);
    auto opened = ImageSource::open(descriptor.sourceURL.toLocalFile().toStdString());
    if (!opened || opened.value().imageCount() < 1) return EditingCanvasPreparationFailure(Case::sourceUnavailable);
    const ImageSource& source = opened.value();

    // 3-5. Both orientations turn the picture as the crop screen showed it; the crop
    //      lies in that picture and must keep at least one pixel inside it.
    const ImageOrientation encoded = ImageOrientation::fromExifCode(descriptor.encodedOrientation);
    const ImageOrientation user = ImageOrientation::fromExifCode(descriptor.userOrientation);
    const ImageOrientation total = user.after(encoded);
    const ImageProperties& properties = *source.properties();
    const std::int64_t displayedWidth = total.swapsAxes() ? properties.pixelHeight : properties.pixelWidth;
    const std::int64_t displayedHeight = total.swapsAxes() ? properties.pixelWidth : properties.pixelHeight;
    const PixelAlignedCrop& crop = descriptor.sourceCrop;
    const std::int64_t left = std::max<std::int64_t>(crop.x, 0);
    const std::int64_t top = std::max<std::int64_t>(crop.y, 0);
    const std::int64_t right = std::min(crop.x + crop.width, displayedWidth);
    const std::int64_t bottom = std::min(crop.y + crop.height, displayedHeight);
    if (right - left < 1 || bottom - top < 1) return EditingCanvasPreparationFailure(Case::invalidCrop);
    if (descriptor.canvasSize.width < 1 || descriptor.canvasSize.height < 1) {
        return EditingCanvasPreparationFailure(Case::invalidCrop);
    }

    // 6-8. One streamed decode, stretched exactly onto the canvas, or what the
    //      import's decode kept of this unchanged file.
    ImageRenderRequest request;
    request.encodedOrientation = encoded;
    request.userOrientation = user;
    request.crop = {left, top, right - left, bottom - top};
    request.outputWidth = descriptor.canvasSize.width;
    request.outputHeight = descriptor.canvasSize.height;
    auto rendered = source.render(request, descriptor.decodeCache.get(), nullptr, std::move(stop));
    if (!rendered) {
        // A canvas the decoder cannot make is the crop's fault, not the photograph's.
        const bool badRequest = rendered.error() == ImageSourceFailure::invalidRequest;
        return EditingCanvasPreparationFailure(badRequest ? Case::invalidCrop : Case::decodeFailed);
    }
    QImage image = std::move(rendered).value();

    // 9. The canvas.
    return std::make_shared<const EditingCanvas>(QUuid::createUuid(), descriptor, std::move(image));
}

}  // namespace vlt
