#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "crash_capture/async/vtcrash_async_objc.h"
#include "macho_image_builder_support.h"

namespace {

using namespace vlt::testing;

struct Task {
    Task() { vtcrash_async_task_init(&task); }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

struct Cache {
    Cache() { vtcrash_async_objc_cache_init(&cache); }
    ~Cache() { vtcrash_async_objc_cache_free(&cache); }
    vtcrash_async_objc_cache cache;
};

// An image with room for code in __TEXT,__text, Objective-C names and relative lists in
// __TEXT, class data and constants in __DATA, and the lists in __DATA_CONST.
struct ObjcImage {
    explicit ObjcImage(const MachOImageOptions& options) : builder(options) {
        const uint64_t text = builder.textVmaddr();
        builder.addSegment("__TEXT", text, 0x4000);
        builder.addSection("__TEXT", "__text", text + 0x1000, 0x400);
        builder.addSegment("__DATA", text + 0x4000, 0x2000);
        builder.addSegment("__DATA_CONST", text + 0x6000, 0x1000);
        writer = std::make_unique<ObjcMetadataWriter>(builder, ObjcLayout{.textVmaddr = text + 0x2000,
                                                                          .dataVmaddr = text + 0x4000,
                                                                          .listVmaddr = text + 0x6000,
                                                                          .listSegment = "__DATA_CONST"});
    }
    uint64_t imp(int index) const { return builder.at(builder.textVmaddr() + 0x1000 + 0x10 * uint64_t(index)); }
    void finish(const vtcrash_async_task& task) {
        writer->finish();
        builder.finish();
        ASSERT_EQ(vtcrash_async_macho_init(&macho, &task, "objc", builder.base()), VTCRASH_OK);
        initialised = true;
    }
    ~ObjcImage() {
        if (initialised) vtcrash_async_macho_free(&macho);
    }
    MachOImageBuilder builder;
    std::unique_ptr<ObjcMetadataWriter> writer;
    vtcrash_async_macho macho{};
    bool initialised = false;
};

struct Found {
    vtcrash_error_t result = VTCRASH_ERR_UNKNOWN;
    int calls = 0;
    std::string name;
    uint64_t imp = 0;
};

Found methodAt(const vtcrash_async_macho& image, vtcrash_async_objc_cache& cache, uint64_t pc) {
    Found found;
    found.result = vtcrash_async_objc_find_method(
        &image, &cache, pc,
        [](bool is_class_method, const char* class_name, const char* method_name, uint64_t imp, void* context) {
            auto* out = static_cast<Found*>(context);
            ++out->calls;
            out->name = std::string(is_class_method ? "+" : "-") + class_name + " " + method_name;
            out->imp = imp;
        },
        &found);
    return found;
}

// Widget: realized, absolute lists, extended by a category; Gadget: realized through an
// extension, relative lists; Plain: unrealized, two methods sharing one implementation.
// A category whose class is missing is passed over.
uint64_t addClasses(ObjcImage& image) {
    ObjcMetadataWriter& writer = *image.writer;
    const uint64_t widget = writer.addClass({.name = "Widget",
                                             .instanceMethods = {{"draw", image.imp(1)}, {"layout", image.imp(3)}},
                                             .classMethods = {{"shared", image.imp(5)}},
                                             .state = ObjcClassState::kRealized});
    writer.addClass({.name = "Gadget",
                     .instanceMethods = {{"spin", image.imp(7)}},
                     .classMethods = {{"make", image.imp(9)}},
                     .lists = ObjcListKind::kRelative,
                     .state = ObjcClassState::kRealizedWithExtension});
    writer.addClass({.name = "Plain", .instanceMethods = {{"run:with:", image.imp(11)}, {"again", image.imp(11)}}});
    writer.addCategory({.name = "Extras",
                        .classAddress = widget,
                        .instanceMethods = {{"extra", image.imp(13)}},
                        .classMethods = {{"factory", image.imp(15)}}});
    writer.addCategory({.name = "Orphan", .classAddress = 0, .instanceMethods = {{"lost", image.imp(17)}}});
    return widget;
}

struct Expected {
    int pcImp;
    int64_t pcDelta;
    vtcrash_error_t result;
    const char* name;
    int imp;
};

const Expected kExpected[] = {
    {1, -1, VTCRASH_ERR_NOTFOUND, "", 0},       {1, 0, VTCRASH_OK, "-Widget draw", 1},
    {1, 4, VTCRASH_OK, "-Widget draw", 1},      {3, 0, VTCRASH_OK, "-Widget layout", 3},
    {5, 2, VTCRASH_OK, "+Widget shared", 5},    {7, 0, VTCRASH_OK, "-Gadget spin", 7},
    {9, 1, VTCRASH_OK, "+Gadget make", 9},      {11, 0, VTCRASH_OK, "-Plain run:with:", 11},
    {13, 0, VTCRASH_OK, "-Widget extra", 13},   {15, 8, VTCRASH_OK, "+Widget factory", 15},
    {17, 0, VTCRASH_OK, "+Widget factory", 15},
};

void expectMethods(ObjcImage& image, vtcrash_async_objc_cache& cache) {
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(testing::Message() << "imp " << e.pcImp << " + " << e.pcDelta);
        const Found found = methodAt(image.macho, cache, image.imp(e.pcImp) + e.pcDelta);
        EXPECT_EQ(found.result, e.result);
        EXPECT_EQ(found.calls, e.result == VTCRASH_OK ? 1 : 0);
        if (e.result != VTCRASH_OK) continue;
        EXPECT_EQ(found.name, e.name);
        EXPECT_EQ(found.imp, image.imp(e.imp));
    }
}

TEST(VTCrashObjc, NamesInstanceAndClassMethodsOfClassesAndCategories) {
    const MachOImageOptions kinds[] = {
        {.is64 = true, .swapped = false},
        {.is64 = true, .swapped = true},
        {.is64 = false, .swapped = false},
        {.is64 = false, .swapped = true},
    };
    Task task;
    for (const MachOImageOptions& kind : kinds) {
        SCOPED_TRACE(testing::Message() << "64-bit " << kind.is64 << " swapped " << kind.swapped);
        ObjcImage image(kind);
        addClasses(image);
        image.finish(task.task);
        Cache cache;
        expectMethods(image, cache.cache);
    }
}

TEST(VTCrashObjc, AMetaclassBehindAPackedIsaIsFound) {
    Task task;
    ObjcImage image({.lowAddress = true});
    image.writer->addClass({.name = "Packed",
                            .instanceMethods = {{"open", image.imp(1)}},
                            .classMethods = {{"create", image.imp(2)}},
                            .packedIsa = true});
    image.finish(task.task);
    Cache cache;
    EXPECT_EQ(methodAt(image.macho, cache.cache, image.imp(2)).name, "+Packed create");
    EXPECT_EQ(methodAt(image.macho, cache.cache, image.imp(1)).name, "-Packed open");
}

// The cache answers for class data it has seen: once Widget was looked up, its read-write
// data can lose its read-only pointer and the names still come, while a fresh cache has
// to follow the damaged pointer and gives up.
TEST(VTCrashObjc, TheClassCacheRemembersReadOnlyDataAcrossLookups) {
    Task task;
    ObjcImage image({});
    const uint64_t widget = addClasses(image);
    image.finish(task.task);
    Cache cache;
    EXPECT_EQ(methodAt(image.macho, cache.cache, image.imp(1)).name, "-Widget draw");
    EXPECT_NE(cache.cache.class_cache, nullptr);

    uint64_t data = 0;
    std::memcpy(&data, reinterpret_cast<const void*>(widget + 32), sizeof data);
    const uint64_t readWrite = data & 0x00007ffffffffff8;
    const uint64_t damaged = 0x10;
    std::memcpy(reinterpret_cast<void*>(readWrite + 8), &damaged, sizeof damaged);

    expectMethods(image, cache.cache);
    Cache fresh;
    EXPECT_EQ(methodAt(image.macho, fresh.cache, image.imp(1)).result, VTCRASH_ERR_INVALID_DATA);
}

TEST(VTCrashObjc, OneCacheServesImagesInTurn) {
    Task task;
    ObjcImage first({});
    addClasses(first);
    first.finish(task.task);
    ObjcImage second({.is64 = false});
    second.writer->addClass({.name = "Other", .instanceMethods = {{"work", second.imp(2)}}});
    second.finish(task.task);

    Cache cache;
    EXPECT_EQ(methodAt(first.macho, cache.cache, first.imp(7)).name, "-Gadget spin");
    EXPECT_EQ(methodAt(second.macho, cache.cache, second.imp(2)).name, "-Other work");
    EXPECT_EQ(methodAt(first.macho, cache.cache, first.imp(15)).name, "+Widget factory");
    EXPECT_EQ(cache.cache.image, &first.macho);
}

TEST(VTCrashObjc, ImagesWithPartOfTheMetadata) {
    Task task;
    ObjcImage classes({});
    const uint64_t widget = classes.writer->addClass(
        {.name = "Widget", .instanceMethods = {{"draw", classes.imp(1)}}, .state = ObjcClassState::kRealized});
    classes.finish(task.task);
    Cache cache;

    // Without categories there is no category list, and no __DATA,__data either.
    EXPECT_EQ(methodAt(classes.macho, cache.cache, classes.imp(1) + 2).name, "-Widget draw");

    // An image that only extends a class of another one has neither a class list nor
    // class data of its own.
    ObjcImage extension({});
    extension.writer->addCategory(
        {.name = "Remote", .classAddress = widget, .classMethods = {{"remote", extension.imp(4)}}});
    extension.finish(task.task);
    const Found remote = methodAt(extension.macho, cache.cache, extension.imp(4));
    EXPECT_EQ(remote.result, VTCRASH_OK);
    EXPECT_EQ(remote.name, "+Widget remote");

    // No Objective-C at all.
    MachOImageBuilder plain;
    plain.addSegment("__TEXT", plain.textVmaddr(), 0x1000);
    plain.finish();
    vtcrash_async_macho plainImage;
    ASSERT_EQ(vtcrash_async_macho_init(&plainImage, &task.task, "plain", plain.base()), VTCRASH_OK);
    EXPECT_EQ(methodAt(plainImage, cache.cache, plain.base() + 0x100).result, VTCRASH_ERR_NOTFOUND);
    vtcrash_async_macho_free(&plainImage);

    // A class list entry that points outside the class data.
    ObjcImage damaged({});
    const uint64_t text = damaged.builder.textVmaddr();
    damaged.builder.addSection("__DATA", "__objc_const", text + 0x4000, 0x40);
    damaged.builder.putPointer(text + 0x4800, damaged.imp(0));
    damaged.builder.addSection("__DATA", "__objc_classlist", text + 0x4800, 8);
    damaged.builder.finish();
    vtcrash_async_macho damagedImage;
    ASSERT_EQ(vtcrash_async_macho_init(&damagedImage, &task.task, "damaged", damaged.builder.base()), VTCRASH_OK);
    EXPECT_EQ(methodAt(damagedImage, cache.cache, damaged.imp(3)).result, VTCRASH_ERR_INVALID_DATA);
    vtcrash_async_macho_free(&damagedImage);
}

TEST(VTCrashObjc, NamesMethodsOfTheOlderRuntime) {
    Task task;
    MachOImageBuilder builder({.is64 = false, .cpuType = VTCRASH_MACHO_CPU_TYPE_X86});
    const uint64_t text = builder.textVmaddr();
    builder.addSegment("__TEXT", text, 0x4000);
    builder.addSegment("__OBJC", text + 0x4000, 0x2000);
    const auto imp = [&](int index) { return builder.at(text + 0x1000 + 0x10 * uint64_t(index)); };
    ObjcModuleWriter module(builder, text + 0x4000);
    module.addClass({.name = "Legacy", .instanceMethods = {{"tick", imp(1)}}, .classMethods = {{"make", imp(3)}}});
    module.addClass({.name = "Listed",
                     .instanceMethods = {{"first", imp(5)}, {"second", imp(7)}},
                     .classMethods = {{"build", imp(9)}},
                     .listArray = true});
    module.addCategory(
        {.className = "Legacy", .instanceMethods = {{"more", imp(11)}}, .classMethods = {{"also", imp(13)}}});
    module.finish();
    builder.finish();
    vtcrash_async_macho image;
    ASSERT_EQ(vtcrash_async_macho_init(&image, &task.task, "legacy", builder.base()), VTCRASH_OK);

    struct Case {
        int pcImp;
        const char* name;
    };
    const Case cases[] = {
        {1, "-Legacy tick"},  {3, "+Legacy make"},  {5, "-Listed first"}, {7, "-Listed second"},
        {9, "+Listed build"}, {11, "-Legacy more"}, {14, "+Legacy also"},
    };
    Cache cache;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(methodAt(image, cache.cache, imp(c.pcImp)).name, c.name);
    }
    EXPECT_EQ(methodAt(image, cache.cache, imp(1) - 1).result, VTCRASH_ERR_NOTFOUND);
    vtcrash_async_macho_free(&image);
}

}  // namespace
