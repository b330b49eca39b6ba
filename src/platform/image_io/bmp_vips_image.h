#pragma once

#include <string>

using VipsImage = struct _VipsImage;

namespace vlt {

// A libvips image whose pixels BmpFile decodes a strip at a time, as the pipeline asks
// for them: the whole bitmap is never held. A new reference, or null when the file is
// no bitmap BmpFile reads. A row that cannot be decoded fails the pipeline.
VipsImage* newBmpVipsImage(const std::string& path);

}  // namespace vlt
