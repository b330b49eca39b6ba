// Opening a file reads its type and its header (size and orientation), partly by our
// own readers where the decoders refuse a size. Nothing is decoded here.
#include <cstdlib>

#include "fuzz_support.h"
#include "platform/image_io/image_source.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The decoders' warnings about damaged headers are expected by the thousand.
    setenv("VIPS_WARNING", "0", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vlt::fuzz::ScratchFile file("picture");
    file.write(data, size);
    const auto source = vlt::ImageSource::open(file.path().string());
    vlt::fuzz::check(source.ok(), "a readable file opens");
    vlt::fuzz::check(!source.value().properties() || source.value().typeIdentifier(),
                     "only content of a known type has a header");
    return 0;
}
