#include "platform/image_io/jpeg_file_input.h"

// After jpeglib.h, which it needs.
#include <jerror.h>

namespace vlt {
namespace {

constexpr std::size_t kJpegInputBufferBytes = std::size_t(64) * 1024;

[[noreturn]] void leaveJpeg(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<JpegErrors*>(decoder->err)->escape, 1);
}

void keepJpegQuiet(j_common_ptr) {}

void startOrEndJpegInput(j_decompress_ptr) {}

JpegFileInput& jpegInput(j_decompress_ptr decoder) { return *reinterpret_cast<JpegFileInput*>(decoder->src); }

boolean fillJpegInput(j_decompress_ptr decoder) {
    JpegFileInput& input = jpegInput(decoder);
    const std::size_t count = std::fread(input.buffer.data(), 1, input.buffer.size(), input.file);
    if (count == 0) {
        if (!input.readAny) ERREXIT(decoder, JERR_INPUT_EMPTY);
        WARNMS(decoder, JWRN_JPEG_EOF);
        static const JOCTET kEnd[] = {0xFF, JPEG_EOI};
        input.manager.next_input_byte = kEnd;
        input.manager.bytes_in_buffer = sizeof kEnd;
        return TRUE;
    }
    input.readAny = true;
    input.manager.next_input_byte = input.buffer.data();
    input.manager.bytes_in_buffer = count;
    return TRUE;
}

void skipJpegInput(j_decompress_ptr decoder, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& manager = jpegInput(decoder).manager;
    while (std::size_t(count) > manager.bytes_in_buffer) {
        count -= long(manager.bytes_in_buffer);
        fillJpegInput(decoder);
    }
    manager.next_input_byte += count;
    manager.bytes_in_buffer -= std::size_t(count);
}

}  // namespace

jpeg_error_mgr* quietJpegErrors(JpegErrors& errors) {
    jpeg_error_mgr* manager = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leaveJpeg;
    errors.manager.output_message = keepJpegQuiet;
    return manager;
}

JpegFileInput::JpegFileInput(FILE* from) : file(from), buffer(kJpegInputBufferBytes) {
    manager.init_source = startOrEndJpegInput;
    manager.fill_input_buffer = fillJpegInput;
    manager.skip_input_data = skipJpegInput;
    manager.resync_to_restart = jpeg_resync_to_restart;
    manager.term_source = startOrEndJpegInput;
}

bool runJpegDecoder(FILE* file, const std::function<bool(jpeg_decompress_struct&)>& decode) {
    jpeg_decompress_struct decoder{};
    JpegErrors errors{};
    // Before the escape point: a jump back to it must not leave the buffer's scope.
    JpegFileInput input(file);
    decoder.err = quietJpegErrors(errors);
    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    decoder.src = &input.manager;
    const bool decoded = jpeg_read_header(&decoder, TRUE) == JPEG_HEADER_OK && decode(decoder);
    const bool clean = decoded && errors.manager.num_warnings == 0;
    jpeg_destroy_decompress(&decoder);
    return clean;
}

}  // namespace vlt
