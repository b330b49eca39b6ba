// Decodes the image it is given keeping its pixels, says so, and then waits to be
// killed: a process that dies while it holds decoded pixels in a temporary file.
#include <unistd.h>

#include <cstdio>

#include "platform/image_io/image_source.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const auto source = vlt::ImageSource::open(argv[1]);
    if (!source.ok()) return 1;
    const auto kept = source.value().thumbnailKeepingDecode(256);
    if (!kept.ok() || !kept.value().cache || kept.value().cache->pixels() == nullptr) return 1;
    std::printf("kept\n");
    std::fflush(stdout);
    for (;;) ::pause();
}
