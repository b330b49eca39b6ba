// The first bytes of any file the user opens or drops decide its type.
#include <span>

#include "fuzz_support.h"
#include "platform/image_io/image_type_identifier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto identifier = vlt::sniffImageTypeIdentifier(std::span(data, size));
    if (!identifier) return 0;
    vlt::fuzz::check(vlt::isKnownImageTypeIdentifier(*identifier) && vlt::imageTypeConforms(*identifier, *identifier),
                     "a sniffed type is one the system knows");
    return 0;
}
