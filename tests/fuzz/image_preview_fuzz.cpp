// The whole road from a file to the preview the crop screen shows: type, header,
// limits and the decode, for any bytes, in bounded memory (see image_preview.options).
#include <algorithm>
#include <cstdlib>

#include <QUrl>

#include "fuzz_support.h"
#include "import/imported_image.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The decoders' warnings about damaged files are expected by the thousand.
    setenv("VIPS_WARNING", "0", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file("picture");
    file.write(data, size);
    const auto imported =
        vlt::ImportedImage::load(QUrl::fromLocalFile(QString::fromStdString(file.path().string())), nullptr);
    if (!imported) return 0;

    const QImage& preview = imported.value().previewImage;
    vlt::fuzz::check(!preview.isNull() && preview.format() == QImage::Format_RGBA8888_Premultiplied,
                     "a preview is an 8-bit premultiplied picture");
    vlt::fuzz::check(std::max(preview.width(), preview.height()) <= vlt::ImportedImage::kMaximumPreviewSide,
                     "a preview keeps to its largest side");
    return 0;
}
