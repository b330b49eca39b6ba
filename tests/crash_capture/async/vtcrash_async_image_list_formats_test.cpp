#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>
#include <vector>

#include "crash_capture/async/macho_image_builder_support.h"
#include "crash_capture/async/vtcrash_async_image_list.h"

namespace {

using vlt::testing::MachOImageBuilder;

struct ImageList {
    ImageList() {
        vtcrash_async_task_init(&task);
        vtcrash_async_image_list_init(&list, &task);
    }
    ~ImageList() {
        vtcrash_async_image_list_free(&list);
        vtcrash_async_task_free(&task);
    }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    const vtcrash_async_image* find(const std::string& name) {
        for (auto* image = vtcrash_async_image_list_next(&list, nullptr); image != nullptr;
             image = vtcrash_async_image_list_next(&list, image)) {
            if (name == vtcrash_async_image_name(image)) return image;
        }
        return nullptr;
    }

    vtcrash_async_task task{};
    vtcrash_async_image_list list{};
};

struct SmallMachO {
    SmallMachO() {
        image.addSegment("__TEXT", image.textVmaddr(), 0x1000);
        image.finish();
    }
    MachOImageBuilder image;
};

// An image added by its header is told by its magic: a Mach-O image, or an ELF object
// that starts at its header; anything else is refused and leaves the list as it was.
TEST(VTCrashImageListFormats, AnImageAddedByItsHeaderIsToldByItsMagic) {
    ImageList images;
    SmallMachO macho;
    void* object = dlopen(VTCRASH_TEST_OBJECT, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(object, nullptr);
    Dl_info info;
    ASSERT_TRUE(dladdr(dlsym(object, "vtcrash_test_object_wait_a"), &info));
    const uint64_t elfHeader = uint64_t(info.dli_fbase);
    const std::vector<uint8_t> noMagic(64, 0x5a);

    EXPECT_EQ(vtcrash_async_image_list_append_at(&images.list, macho.image.base(), "macho"), VTCRASH_OK);
    EXPECT_EQ(vtcrash_async_image_list_append_at(&images.list, elfHeader, "elf"), VTCRASH_OK);
    EXPECT_EQ(vtcrash_async_image_list_append_at(&images.list, uint64_t(noMagic.data()), "neither"), VTCRASH_ERR_INVAL);
    EXPECT_EQ(vtcrash_async_image_list_append_at(&images.list, 8, "unreadable"), VTCRASH_ERR_NOTFOUND);
    EXPECT_EQ(vtcrash_async_image_list_node_count(&images.list), 2u);

    const auto* listedMachO = images.find("macho");
    ASSERT_NE(listedMachO, nullptr);
    EXPECT_EQ(listedMachO->format, VTCRASH_IMAGE_FORMAT_MACHO);
    EXPECT_EQ(vtcrash_async_image_header_address(listedMachO), macho.image.base());
    const auto* listedElf = images.find("elf");
    ASSERT_NE(listedElf, nullptr);
    EXPECT_EQ(listedElf->format, VTCRASH_IMAGE_FORMAT_ELF);
    EXPECT_EQ(vtcrash_async_image_header_address(listedElf), elfHeader);
    EXPECT_NE(listedElf->elf.eh_frame_hdr_addr, 0u);
    EXPECT_EQ(vtcrash_async_image_list_image_containing_address(&images.list, uint64_t(info.dli_saddr)), listedElf);

    vtcrash_async_image_list_remove(&images.list, macho.image.base());
    EXPECT_EQ(images.find("macho"), nullptr);
    EXPECT_NE(images.find("elf"), nullptr);
    dlclose(object);
}

// The loader does not know an image added by its header: following the loader keeps it.
TEST(VTCrashImageListFormats, SyncingWithTheLoaderKeepsImagesAddedByTheirHeader) {
    ImageList images;
    SmallMachO macho;
    vtcrash_async_image_list_sync(&images.list);
    ASSERT_EQ(vtcrash_async_image_list_append_at(&images.list, macho.image.base(), "macho"), VTCRASH_OK);
    void* object = dlopen(VTCRASH_TEST_OBJECT, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(vtcrash_async_image_list_sync(&images.list));
    EXPECT_NE(images.find(VTCRASH_TEST_OBJECT), nullptr);
    dlclose(object);
    EXPECT_TRUE(vtcrash_async_image_list_sync(&images.list));
    EXPECT_EQ(images.find(VTCRASH_TEST_OBJECT), nullptr);
    EXPECT_NE(images.find("macho"), nullptr);
}

}  // namespace
