// Crashes inside a Mach-O image laid out in its own memory, with capture enabled as the
// application enables it; built only for tests. `vtcrash_macho_crasher BASE_PATH` builds
// the image of vtcrash_macho_fixture.h, lists it as a loaded object, runs its functions
// once to the end and then once into a null write, and leaves its crash log where the
// application looks under BASE_PATH. Exits 77 on a machine whose code the image is not.

#include <sys/resource.h>

#include "crash_capture/async/macho_image_builder_support.h"
#include "crash_capture/async/unwind_info_builder_support.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_shared_images.h"
#include "vtcrash_macho_fixture.h"

namespace fixture = vlt::testing::macho_fixture;

namespace {

volatile int sink;

using ChainEntry = void (*)(int*);

#if defined(__x86_64__)

// The image's functions, its compact unwind table with a regular page (the outer two)
// and a compressed one (the innermost, whose encoding the page holds itself), its symbols
// and its UUID.
void layOut(vlt::testing::MachOImageBuilder& image) {
    using namespace vlt::testing;
    image.addSegment("__TEXT", fixture::kTextVmaddr, fixture::kTextSize);
    std::vector<uint8_t> code(fixture::kCodeSize, 0xcc);  // int3 between the functions
    const auto place = [&](uint32_t offset, std::string_view bytes) {
        std::copy(bytes.begin(), bytes.end(), code.begin() + (offset - fixture::kCodeOffset));
    };
    place(fixture::kOuterOffset, fixture::kOuterCode);
    place(fixture::kMiddleOffset, fixture::kMiddleCode);
    place(fixture::kInnerOffset, fixture::kInnerCode);
    // S_ATTR_PURE_INSTRUCTIONS | S_ATTR_SOME_INSTRUCTIONS, as a linker marks __text.
    constexpr uint32_t kCodeSectionFlags = 0x80000400;
    image.addSection("__TEXT", "__text", fixture::kTextVmaddr + fixture::kCodeOffset, code, kCodeSectionFlags);

    const UnwindInfoTable table = {
        {fixture::kOuterEncoding},
        {{UnwindInfoPageKind::Regular,
          {{fixture::kOuterOffset, fixture::kOuterEncoding}, {fixture::kMiddleOffset, fixture::kMiddleEncoding}}},
         {UnwindInfoPageKind::Compressed, {{fixture::kInnerOffset, fixture::kInnerEncoding}}}},
        fixture::kCodeEndOffset,
    };
    image.addSection("__TEXT", "__unwind_info", fixture::kTextVmaddr + fixture::kUnwindInfoOffset,
                     buildUnwindInfo(table).bytes);

    for (const auto& function : fixture::kFunctions) {
        image.addSymbol({function.symbol, fixture::kTextVmaddr + function.offset});
    }
    image.setUuid(fixture::kUuid);
    image.finish();
    image.makeTextExecutable();
}

#endif

}  // namespace

// Exported, so that the crash log names them: the crasher's frames below the image.
extern "C" __attribute__((noipa, visibility("default"))) void vtcrash_macho_crasher_enter(ChainEntry entry,
                                                                                          int* target) {
    entry(target);
    sink = 1;
}

extern "C" __attribute__((noipa, visibility("default"))) void vtcrash_macho_crasher_run(ChainEntry entry, int* target) {
    vtcrash_macho_crasher_enter(entry, target);
    sink = 2;
}

int main(int argc, char** argv) {
#if defined(__x86_64__)
    if (argc != 2) return 2;
    // No core file: the crash log is what is looked at.
    const rlimit noCore = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    vlt::VTCrashReporterConfig configuration;
    configuration.basePath = argv[1];
    configuration.maxReportBytes = 10 * 1024 * 1024;
    configuration.symbolicationStrategy = 3;
    if (!vlt::VTCrashReporter::forApplication(configuration).enableCrashReporter()) return 3;

    vlt::testing::MachOImageBuilder image;
    layOut(image);
    if (!vlt::VTCrashSharedImages::shared().addImage(image.base(), fixture::kImageName)) return 4;
    const auto entry = reinterpret_cast<ChainEntry>(image.at(fixture::kTextVmaddr + fixture::kOuterOffset));

    // Once to the end: every function builds its frame, calls on, and returns.
    int value = 0;
    vtcrash_macho_crasher_run(entry, &value);
    if (value != fixture::kChainResult) return 5;
    vtcrash_macho_crasher_run(entry, nullptr);
    return 1;
#else
    (void)argc;
    (void)argv;
    return 77;
#endif
}
