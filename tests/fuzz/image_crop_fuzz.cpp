// The crop an editing canvas is made from, for any bytes: a JPEG crop decoded by itself
// (the rows above it only entropy-decoded), an uncompressed TIFF read straight from its
// file, and every other decoder's crop, in bounded memory (see image_crop.options). The
// crop lies in the lower half, so that the rows above it are passed over.
#include <algorithm>

#include "fuzz_support.h"
#include "platform/image_io/image_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto source = vlt::ImageSource::open(vlt::fuzz::pictureFile(data, size).string());
    if (!source || !source.value().properties()) return 0;
    const vlt::ImageProperties& properties = *source.value().properties();
    if (properties.pixelWidth < 1 || properties.pixelHeight < 1) return 0;

    constexpr std::int64_t kLargestOutputSide = 64;
    vlt::ImageRenderRequest request;
    request.crop = {properties.pixelWidth / 4, properties.pixelHeight / 2,
                    std::max<std::int64_t>(properties.pixelWidth / 2, 1),
                    std::max<std::int64_t>(properties.pixelHeight / 3, 1)};
    request.outputWidth = std::min(request.crop.width, kLargestOutputSide);
    request.outputHeight = std::min(request.crop.height, kLargestOutputSide);
    const auto rendered = source.value().render(request);
    if (!rendered) return 0;
    vlt::fuzz::check(rendered.value().format() == QImage::Format_RGBA8888_Premultiplied,
                     "a crop is an 8-bit premultiplied picture");
    vlt::fuzz::check(
        rendered.value().width() == request.outputWidth && rendered.value().height() == request.outputHeight,
        "a crop comes out at exactly the size asked for");
    return 0;
}
