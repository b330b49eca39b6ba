#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include <QTemporaryDir>

#include "base/file_contents.h"
#include "crash_capture/async/macho_image_builder_support.h"
#include "crash_capture/vt_crash_report.h"
#include "crash_capture/vtcrash_log_writer.h"

namespace vlt {
namespace {

using testing::MachOImageBuilder;
using testing::MachOImageOptions;
using testing::ObjcMetadataWriter;

#if defined(__x86_64__)
constexpr uint32_t kMachine = VTCRASH_CPU_X86_64;
#else
constexpr uint32_t kMachine = VTCRASH_CPU_ARM64;
#endif

// Code at __TEXT + 0x1000, named by a symbol and by an Objective-C class method above it.
struct NamedImage {
    NamedImage() {
        const uint64_t text = image.textVmaddr();
        image.addSegment("__TEXT", text, 0x4000);
        image.addSection("__TEXT", "__text", text + 0x1000, 0x400);
        image.addSegment("__DATA", text + 0x4000, 0x2000);
        image.addSymbol({"_helper", text + 0x1040});
        ObjcMetadataWriter methods(
            image,
            {.textVmaddr = text + 0x2000, .dataVmaddr = text + 0x4000, .listVmaddr = text + 0x5000, .room = 0x300});
        methods.addClass({.name = "Widget", .classMethods = {{"shared", pc(0x50)}}});
        methods.finish();
        image.setUuid({0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef, 0xfe, 0xdc, 0xba, 0x98, 0x76, 0x54, 0x32, 0x10});
        image.finish();
    }
    uint64_t pc(uint64_t offset) const { return image.at(image.textVmaddr() + 0x1000 + offset); }
    MachOImageBuilder image;
};

// An arm64e image in the other byte order.
struct SwappedImage {
    SwappedImage() {
        image.addSegment("__TEXT", image.textVmaddr(), 0x1000);
        image.finish();
    }
    MachOImageBuilder image{
        MachOImageOptions{.swapped = true, .cpuType = VTCRASH_MACHO_CPU_TYPE_ARM64, .cpuSubtype = 2}};
};

// A log written with a Mach-O image on the stack: the image section takes name, range,
// UUID and code type from the image's header and commands, and the frames are named from
// its symbol table and its Objective-C metadata through the log's symbol cache.
TEST(VTCrashLogWriterMachO, ListsMachOImagesAndNamesTheirFramesFromBothSources) {
    vtcrash_async_task task;
    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    vtcrash_async_image_list list;
    vtcrash_async_image_list_init(&list, &task);
    NamedImage named;
    SwappedImage swapped;
    ASSERT_EQ(vtcrash_async_image_list_append_at(&list, named.image.base(), "/memory/named.dylib"), VTCRASH_OK);
    ASSERT_EQ(vtcrash_async_image_list_append_at(&list, swapped.image.base(), "/memory/swapped.dylib"), VTCRASH_OK);

    // Stopped inside the method; the frame record returns into the function the symbol names.
    uint64_t record[2] = {0, named.pc(0x45)};
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, kMachine);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, named.pc(0x54));
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, uint64_t(record));
    state.ip_is_exact = true;

    QTemporaryDir folder;
    const int folderFd = ::open(folder.path().toLocal8Bit().constData(), O_PATH | O_DIRECTORY);
    vtcrash_log_writer writer;
    vtcrash_log_writer_init(&writer, "com.veltrano.tests", "1", nullptr,
                            VTCRASH_SYMBOL_STRATEGY_SYMBOL_TABLE | VTCRASH_SYMBOL_STRATEGY_OBJC, true);
    vtcrash_async_file file;
    ASSERT_EQ(vtcrash_async_file_create(&file, folderFd, "log", 0), VTCRASH_OK);
    const vtcrash_log_signal_info signal = {SIGSEGV, SEGV_MAPERR, 0};
    const pid_t self = vtcrash_async_thread_self();
    EXPECT_EQ(vtcrash_log_writer_write(&writer, self, &task, &list, &file, &signal, &state), VTCRASH_OK);
    EXPECT_TRUE(vtcrash_async_file_flush(&file));
    EXPECT_TRUE(vtcrash_async_file_close(&file));
    vtcrash_log_writer_free(&writer);
    ::close(folderFd);
    vtcrash_async_image_list_free(&list);
    vtcrash_async_task_free(&task);

    std::string bytes;
    ASSERT_FALSE(readFileContents(folder.filePath("log").toStdString(), 1 << 20, bytes));
    const auto decoded = VTCrashReport::fromData(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    ASSERT_TRUE(decoded);
    // The two images first, then the loader's objects, which the writer found itself.
    const auto& images = decoded.value().images();
    ASSERT_GT(images.size(), 2u);
    EXPECT_EQ(images[0].imageName(), "/memory/named.dylib");
    EXPECT_EQ(images[0].imageBaseAddress(), named.image.base());
    EXPECT_EQ(images[0].imageSize(), 0x4000u);
    EXPECT_EQ(images[0].imageUUID(), "0123456789abcdeffedcba9876543210");
    EXPECT_FALSE(images[0].imageBuildID());
    EXPECT_EQ(images[0].codeType(), (VTCrashReportProcessorInfo{kVTCrashTypeEncodingMach, kVTCrashCPUTypeX86_64, 3}));
    EXPECT_EQ(images[1].imageName(), "/memory/swapped.dylib");
    EXPECT_FALSE(images[1].hasImageUUID());
    EXPECT_EQ(images[1].codeType(), (VTCrashReportProcessorInfo{kVTCrashTypeEncodingMach, kVTCrashCPUTypeARM64, 2}));
    EXPECT_TRUE(images[2].imageBuildID()) << images[2].imageName();

    const auto& threads = decoded.value().threads();
    ASSERT_EQ(threads.size(), 1u);
    const auto& frames = threads[0].stackFrames;
    ASSERT_EQ(frames.size(), 2u);
    ASSERT_TRUE(frames[0].symbolInfo && frames[1].symbolInfo);
    EXPECT_EQ(frames[0].symbolInfo->symbolName, "+[Widget shared]");
    EXPECT_EQ(frames[0].symbolInfo->startAddress, named.pc(0x50));
    EXPECT_EQ(frames[1].symbolInfo->symbolName, "_helper");
    EXPECT_EQ(frames[1].symbolInfo->startAddress, named.pc(0x40));
}

}  // namespace
}  // namespace vlt
