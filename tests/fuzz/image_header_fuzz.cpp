// Opening a file reads its type and its header (size and orientation), partly by our
// own readers where the decoders refuse a size. Nothing is decoded here.

#include "fuzz_support.h"
#include "platform/image_io/image_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto source = vlt::ImageSource::open(vlt::fuzz::pictureFile(data, size).string());
    vlt::fuzz::check(source.ok(), "a readable file opens");
    vlt::fuzz::check(!source.value().properties() || source.value().typeIdentifier(),
                     "only content of a known type has a header");
    return 0;
}
