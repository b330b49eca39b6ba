#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "crash_capture/async/vtcrash_async_macho.h"
#include "macho_image_builder_support.h"

namespace {

using vlt::testing::MachOImageBuilder;
using vlt::testing::MachOImageOptions;

struct Task {
    Task() { vtcrash_async_task_init(&task); }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

struct Image {
    explicit Image(const vtcrash_async_task& task, uint64_t header, const char* name = "/images/Test.dylib") {
        result = vtcrash_async_macho_init(&macho, &task, name, header);
    }
    ~Image() {
        if (result == VTCRASH_OK) vtcrash_async_macho_free(&macho);
    }
    vtcrash_error_t result;
    vtcrash_async_macho macho{};
};

uint64_t pageSize() { return static_cast<uint64_t>(::sysconf(_SC_PAGESIZE)); }

const std::vector<uint8_t> kCode = {0x55, 0x48, 0x89, 0xe5, 0x5d, 0xc3};
const std::array<uint8_t, 16> kUuid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// __TEXT with code, __DATA with bytes, a UUID.
void addStandardContent(MachOImageBuilder& image) {
    const uint64_t text = image.textVmaddr();
    image.addSegment("__TEXT", text, 0x4000);
    image.addSection("__TEXT", "__text", text + 0x1000, kCode);
    image.addSegment("__DATA", text + 0x4000, 0x2000);
    image.addSection("__DATA", "__data", text + 0x4100, std::vector<uint8_t>{0xde, 0xad, 0xbe, 0xef});
    image.setUuid(kUuid);
}

std::vector<uint8_t> windowBytes(const vtcrash_async_mobject& window) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(window.address);
    return {bytes, bytes + window.length};
}

TEST(VTCrashMachO, ReadsImagesOfEitherWidthAndByteOrder) {
    struct Case {
        bool is64;
        bool swapped;
        uint32_t magic;
        int32_t cpuType;
    };
    const Case cases[] = {
        {true, false, VTCRASH_MACHO_MAGIC_64, VTCRASH_MACHO_CPU_TYPE_X86_64},
        {true, true, VTCRASH_MACHO_MAGIC_64_SWAPPED, VTCRASH_MACHO_CPU_TYPE_ARM64},
        {false, false, VTCRASH_MACHO_MAGIC_32, VTCRASH_MACHO_CPU_TYPE_X86},
        {false, true, VTCRASH_MACHO_MAGIC_32_SWAPPED, VTCRASH_MACHO_CPU_TYPE_ARM},
    };
    Task task;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.magic);
        MachOImageBuilder builder({.is64 = c.is64, .swapped = c.swapped, .cpuType = c.cpuType, .cpuSubtype = 9});
        addStandardContent(builder);
        builder.finish();
        Image image(task.task, builder.base());
        ASSERT_EQ(image.result, VTCRASH_OK);
        const vtcrash_async_macho& macho = image.macho;

        EXPECT_STREQ(macho.name, "/images/Test.dylib");
        EXPECT_EQ(vtcrash_async_macho_get_header(&macho)->magic, c.magic);
        EXPECT_EQ(macho.m64, c.is64);
        EXPECT_EQ(vtcrash_async_macho_get_header_size(&macho), c.is64 ? 32u : 28u);
        EXPECT_EQ(vtcrash_async_macho_get_byteorder(&macho),
                  c.swapped ? vtcrash_async_byteorder_swapped() : vtcrash_async_byteorder_host());
        EXPECT_EQ(macho.ncmds, 3u);
        EXPECT_EQ(vtcrash_async_macho_get_cpu_type(&macho), c.cpuType);
        EXPECT_EQ(vtcrash_async_macho_get_cpu_subtype(&macho), 9);
        EXPECT_EQ(macho.text_vmaddr, builder.textVmaddr());
        EXPECT_EQ(macho.text_size, 0x4000u);
        EXPECT_EQ(macho.vmaddr_slide, builder.slide());

        EXPECT_TRUE(vtcrash_async_macho_contains_address(&macho, builder.base()));
        EXPECT_TRUE(vtcrash_async_macho_contains_address(&macho, builder.base() + 0x3fff));
        EXPECT_FALSE(vtcrash_async_macho_contains_address(&macho, builder.base() + 0x4000));
        EXPECT_FALSE(vtcrash_async_macho_contains_address(&macho, builder.base() - 1));

        uint8_t uuid[VTCRASH_MACHO_UUID_SIZE] = {};
        ASSERT_TRUE(vtcrash_async_macho_uuid(&macho, uuid));
        EXPECT_EQ(std::memcmp(uuid, kUuid.data(), sizeof uuid), 0);

        vtcrash_async_mobject text;
        ASSERT_EQ(vtcrash_async_macho_map_section(&macho, "__TEXT", "__text", &text), VTCRASH_OK);
        EXPECT_EQ(text.task_address, builder.at(builder.textVmaddr() + 0x1000));
        EXPECT_EQ(windowBytes(text), kCode);
        vtcrash_async_mobject_free(&text);

        vtcrash_async_mobject data;
        ASSERT_EQ(vtcrash_async_macho_map_section(&macho, "__DATA", "__data", &data), VTCRASH_OK);
        EXPECT_EQ(windowBytes(data), (std::vector<uint8_t>{0xde, 0xad, 0xbe, 0xef}));
        vtcrash_async_mobject_free(&data);

        vtcrash_async_macho_mapped_segment segment;
        ASSERT_EQ(vtcrash_async_macho_map_segment(&macho, "__DATA", &segment), VTCRASH_OK);
        EXPECT_EQ(segment.mobj.task_address, builder.at(builder.textVmaddr() + 0x4000));
        EXPECT_EQ(segment.mobj.length, 0x2000u);
        EXPECT_EQ(segment.fileoff, 0x4000u);
        EXPECT_EQ(segment.filesize, 0x2000u);
        vtcrash_async_macho_mapped_segment_free(&segment);
    }
}

TEST(VTCrashMachO, RefusesHeadersItCannotDescribe) {
    struct Case {
        const char* situation;
        std::function<void(MachOImageBuilder&)> build;
        vtcrash_error_t expected;
    };
    const Case cases[] = {
        {"an unknown magic", [](MachOImageBuilder& image) { image.setMagic(0xcafebabe); }, VTCRASH_ERR_INVAL},
        {"no __TEXT segment", [](MachOImageBuilder& image) { image.addSegment("__DATA", image.textVmaddr(), 0x1000); },
         VTCRASH_ERR_INVAL},
        {"__TEXT in a segment command too short for its fields",
         [](MachOImageBuilder& image) {
             std::vector<uint8_t> body(40, 0);
             std::memcpy(body.data(), "__TEXT", 6);
             image.addCommand(VTCRASH_MACHO_LC_SEGMENT_64, body);
         },
         VTCRASH_ERR_INVAL},
        {"__TEXT only as a 32-bit segment command of a 64-bit image",
         [](MachOImageBuilder& image) {
             std::vector<uint8_t> body(48, 0);
             std::memcpy(body.data(), "__TEXT", 6);
             image.addCommand(VTCRASH_MACHO_LC_SEGMENT, body);
         },
         VTCRASH_ERR_INVAL},
    };
    Task task;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        MachOImageBuilder builder;
        c.build(builder);
        builder.finish();
        Image image(task.task, builder.base());
        EXPECT_EQ(image.result, c.expected);
        EXPECT_EQ(image.macho.name, nullptr);
    }

    // A header in memory that cannot be read.
    void* guard = ::mmap(nullptr, pageSize(), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    Image unreadable(task.task, reinterpret_cast<uint64_t>(guard));
    EXPECT_EQ(unreadable.result, VTCRASH_ERR_INTERNAL);
    ::munmap(guard, pageSize());
}

// Each case lists the commands after __TEXT as (type, body size, claimed cmdsize when
// not the true one) and the types the walk yields.
TEST(VTCrashMachO, TheCommandWalkEndsAtACommandThatBreaksItsBounds) {
    struct Raw {
        uint32_t type;
        size_t body;
        std::optional<uint32_t> cmdsize;
    };
    struct Case {
        const char* situation;
        std::vector<Raw> commands;
        std::vector<uint32_t> walked;
    };
    const uint32_t segment = VTCRASH_MACHO_LC_SEGMENT_64;
    const Case cases[] = {
        {"every command whole", {{0x50, 8, {}}, {0x51, 0, {}}, {0x52, 24, {}}}, {segment, 0x50, 0x51, 0x52}},
        {"a cmdsize of 4 ends the walk", {{0x50, 8, {}}, {0x51, 8, 4}, {0x52, 8, {}}}, {segment, 0x50}},
        {"a cmdsize of 0 ends the walk", {{0x50, 8, {}}, {0x51, 8, 0}, {0x52, 8, {}}}, {segment, 0x50}},
        {"the last command runs out of the window", {{0x50, 8, {}}, {0x51, 8, 64}}, {segment, 0x50}},
        {"a command claims far more than the window", {{0x50, 8, 0xfffffff8}, {0x51, 8, {}}}, {segment}},
    };
    Task task;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        MachOImageBuilder builder;
        builder.addSegment("__TEXT", builder.textVmaddr(), 0x1000);
        for (const Raw& raw : c.commands)
            builder.addCommand(raw.type, std::vector<uint8_t>(raw.body, 0xab), raw.cmdsize);
        builder.finish();
        Image image(task.task, builder.base());
        ASSERT_EQ(image.result, VTCRASH_OK);
        std::vector<uint32_t> walked;
        for (const void* command = vtcrash_async_macho_next_command(&image.macho, nullptr); command != nullptr;
             command = vtcrash_async_macho_next_command(&image.macho, command)) {
            walked.push_back(vtcrash_async_macho_command_type(&image.macho, command));
        }
        EXPECT_EQ(walked, c.walked);
    }
}

TEST(VTCrashMachO, FindsCommandsByTypeAndReadsOnlyInsideThem) {
    Task task;
    MachOImageBuilder builder;
    builder.addSegment("__TEXT", builder.textVmaddr(), 0x1000);
    builder.addCommand(0x60, {1, 0, 0, 0});
    builder.addCommand(0x61, {2, 0, 0, 0});
    builder.addCommand(0x60, {3, 0, 0, 0});
    builder.finish();
    Image image(task.task, builder.base());
    ASSERT_EQ(image.result, VTCRASH_OK);

    const void* first = vtcrash_async_macho_find_command(&image.macho, 0x60);
    const void* second = vtcrash_async_macho_next_command_type(&image.macho, first, 0x60);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(vtcrash_async_macho_next_command_type(&image.macho, second, 0x60), nullptr);
    EXPECT_EQ(vtcrash_async_macho_find_command(&image.macho, 0x62), nullptr);
    uint32_t value = 0;
    ASSERT_TRUE(vtcrash_async_macho_command_read_uint32(&image.macho, second, 8, &value));
    EXPECT_EQ(value, 3u);
    // The bytes after the 12-byte command belong to no field of it.
    EXPECT_FALSE(vtcrash_async_macho_command_read_uint32(&image.macho, first, 12, &value));
    // Without a UUID command there is no UUID.
    uint8_t uuid[VTCRASH_MACHO_UUID_SIZE];
    EXPECT_FALSE(vtcrash_async_macho_uuid(&image.macho, uuid));
}

TEST(VTCrashMachO, MapsSegmentsAsFarAsReadableAndSectionsOnlyWhole) {
    Task task;
    const uint64_t page = pageSize();
    MachOImageBuilder builder({.capacity = 16 * page});
    const uint64_t text = builder.textVmaddr();
    builder.addSegment("__TEXT", text, page);
    builder.addSegment("__DATA", text + 4 * page, 2 * page);
    builder.addSection("__DATA", "__first", text + 4 * page, 16);
    builder.addSection("__DATA", "__across", text + 5 * page - 8, 16);
    // A segment command whose section headers run past its end.
    std::vector<uint8_t> broken(64, 0);
    std::memcpy(broken.data(), "__BROKEN", 8);
    const uint32_t nsects = 3;
    std::memcpy(broken.data() + 16 + 32 + 8, &nsects, sizeof nsects);
    builder.addCommand(VTCRASH_MACHO_LC_SEGMENT_64, broken);
    builder.finish();
    // The second page of __DATA cannot be read.
    ASSERT_EQ(::mprotect(reinterpret_cast<void*>(builder.at(text + 5 * page)), page, PROT_NONE), 0);

    Image image(task.task, builder.base());
    ASSERT_EQ(image.result, VTCRASH_OK);
    vtcrash_async_macho_mapped_segment segment;
    ASSERT_EQ(vtcrash_async_macho_map_segment(&image.macho, "__DATA", &segment), VTCRASH_OK);
    EXPECT_EQ(segment.mobj.length, page);
    vtcrash_async_macho_mapped_segment_free(&segment);

    struct Case {
        const char* segment;
        const char* section;
        vtcrash_error_t expected;
    };
    const Case cases[] = {
        {"__DATA", "__first", VTCRASH_OK},
        {"__DATA", "__across", VTCRASH_ERR_NOMEM},
        {"__DATA", "__missing", VTCRASH_ERR_NOTFOUND},
        {"__TEXT", "__first", VTCRASH_ERR_NOTFOUND},
        {"__MISSING", "__first", VTCRASH_ERR_NOTFOUND},
        {"__BROKEN", "__any", VTCRASH_ERR_INVAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.segment) + "," + c.section);
        vtcrash_async_mobject section;
        EXPECT_EQ(vtcrash_async_macho_map_section(&image.macho, c.segment, c.section, &section), c.expected);
        if (c.expected == VTCRASH_OK) vtcrash_async_mobject_free(&section);
    }
    vtcrash_async_macho_mapped_segment missing;
    EXPECT_EQ(vtcrash_async_macho_map_segment(&image.macho, "__MISSING", &missing), VTCRASH_ERR_NOTFOUND);
    ::mprotect(reinterpret_cast<void*>(builder.at(text + 5 * page)), page, PROT_READ | PROT_WRITE);
}

}  // namespace
