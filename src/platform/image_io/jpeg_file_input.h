#pragma once

// libjpeg's header needs FILE and size_t declared before it.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>
#include <functional>
#include <vector>

namespace vlt {

// libjpeg's errors leave through a jump back to `escape`; its messages are not printed,
// its warnings are counted in the manager.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

// Sets up `errors` for `decoder`.
jpeg_error_mgr* quietJpegErrors(JpegErrors& errors);

// libjpeg's own file source refills 4 KiB at a time, and its Huffman decoder takes
// its fast road only while a few KiB are buffered: a larger buffer decodes about a
// twentieth faster. The end of the file is met as libjpeg's source meets it: a
// premature end is a warning (which callers take as a failure) and an end marker.
// Its manager comes first: libjpeg hands the manager back, which is the whole.
struct JpegFileInput {
    explicit JpegFileInput(FILE* from);

    jpeg_source_mgr manager{};
    FILE* file;
    bool readAny = false;
    std::vector<JOCTET> buffer;
};

// Runs `decode` on a decoder that reads `file` through a JpegFileInput with quiet
// errors, once its header is read. True when `decode` returned true and libjpeg neither
// failed (its jump lands in here, past `decode`) nor warned. No object with a destructor
// may live in `decode` across libjpeg's calls, which may leave through that jump.
bool runJpegDecoder(FILE* file, const std::function<bool(jpeg_decompress_struct&)>& decode);

}  // namespace vlt
