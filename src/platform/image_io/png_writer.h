#pragma once

#include <QImage>

#include "platform/image_io/image_encoding.h"

namespace vlt {

// Writes the image as one 8-bit sRGB PNG without metadata to an open descriptor:
// straight (not premultiplied) RGBA, or RGB when every pixel is opaque, each row
// average-filtered and the whole run-length and Huffman coded, which for photographs
// is smaller than deflate's default search and several times faster. A failed write
// is reported with its errno.
ImageEncodingResult writePng(const QImage& image, int descriptor);

}  // namespace vlt
