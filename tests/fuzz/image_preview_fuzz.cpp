// The whole road from a file to the preview the crop screen shows: type, header,
// limits and the decode, for any bytes, in bounded memory (see image_preview.options).
#include <algorithm>

#include <QUrl>

#include "fuzz_support.h"
#include "import/imported_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto imported = vlt::ImportedImage::load(
        QUrl::fromLocalFile(QString::fromStdString(vlt::fuzz::pictureFile(data, size).string())), nullptr);
    if (!imported) return 0;

    const QImage& preview = imported.value().previewImage;
    vlt::fuzz::check(!preview.isNull() && preview.format() == QImage::Format_RGBA8888_Premultiplied,
                     "a preview is an 8-bit premultiplied picture");
    vlt::fuzz::check(std::max(preview.width(), preview.height()) <= vlt::ImportedImage::kMaximumPreviewSide,
                     "a preview keeps to its largest side");
    return 0;
}
