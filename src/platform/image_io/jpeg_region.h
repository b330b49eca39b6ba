#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <stop_token>
#include <string>

#include "platform/image_io/vips_image_ref.h"

namespace vlt {

// The pixels of `region` of a JPEG decoded at 1/`shrink` of its size, the same bytes
// as libvips's decoder gives there when it decodes the whole picture at that scale,
// but made without the work the rest of the picture needs: the rows above the region
// are only entropy-decoded and the columns beside it are not transformed. `decoded` is
// that decoder's image of the file, not yet computed, whose size and metadata the
// result takes. In memory, readable anywhere. None for a layout this reader does not
// take (progressive scans, other colours than grey, RGB or YCbCr) or for any complaint
// of the decoder, a warning included: the whole file is then decoded as before. None
// too once `stop` is asked for, which the decode heeds within a few hundred rows.
VipsImageRef decodeJpegRegion(const std::string& path, VipsImage* decoded, int shrink, const VipsRect& region,
                              const std::stop_token& stop = {});

}  // namespace vlt
