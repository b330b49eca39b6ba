#include <gtest/gtest.h>

#include <atomic>
#include <dlfcn.h>
#include <filesystem>
#include <link.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <QTemporaryDir>

#include "crash_capture/async/vtcrash_frame_cursor.h"
#include "crash_capture/async/vtcrash_async_image_list.h"
#include "crash_capture/async/vtcrash_async_symbol_lookup.h"

namespace {

struct LoadedObject {
    std::string name;
    uint64_t bias;
    uint64_t phdr;
    uint32_t phnum;
};

// Named objects of this process, as the loader reports them.
std::vector<LoadedObject> loadedObjects() {
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] == '/') {
                static_cast<std::vector<LoadedObject>*>(data)->push_back(
                    {info->dlpi_name, info->dlpi_addr, uint64_t(info->dlpi_phdr), info->dlpi_phnum});
            }
            return 0;
        },
        &objects);
    return objects;
}

struct ImageList {
    ImageList() {
        vtcrash_async_task_init(&task);
        vtcrash_async_image_list_init(&list, &task);
    }
    ~ImageList() { vtcrash_async_image_list_free(&list); }

    void append(const LoadedObject& object) {
        ASSERT_EQ(vtcrash_async_image_list_append(&list, object.name.c_str(), object.bias, object.phdr, object.phnum),
                  VTCRASH_OK);
    }
    // The names in list order, objects found at crash time marked with "+".
    std::vector<std::string> names() {
        std::vector<std::string> names;
        for (auto* image = vtcrash_async_image_list_next(&list, nullptr); image != nullptr;
             image = vtcrash_async_image_list_next(&list, image)) {
            names.push_back((image->found_index >= 0 ? "+" : "") + std::string(image->elf.name));
        }
        return names;
    }
    uint64_t header(const LoadedObject& object) {
        vtcrash_async_elf elf;
        vtcrash_async_elf_init(&elf, &task, "", object.bias, object.phdr, object.phnum);
        return elf.header_addr;
    }

    vtcrash_async_task task;
    vtcrash_async_image_list list;
};

TEST(VTCrashImageList, EditsKeepOrderAndRetiredNodesAreReused) {
    const auto objects = loadedObjects();
    ASSERT_GE(objects.size(), 4u);
    const std::string a = objects[0].name, b = objects[1].name, c = objects[2].name, d = objects[3].name;
    ImageList images;
    EXPECT_EQ(vtcrash_async_image_list_next(&images.list, nullptr), nullptr);

    struct Step {
        const char* situation;
        char edit;  // 'a'ppend, 'r'emove, 'R'emove while a reader walks
        size_t object;
        std::vector<std::string> names;
        size_t nodes;
    };
    const std::vector<Step> steps = {
        {"first append", 'a', 0, {a}, 1},
        {"appends link in order", 'a', 1, {a, b}, 2},
        {"third", 'a', 2, {a, b, c}, 3},
        {"the middle one relinks its neighbours and is freed", 'r', 1, {a, c}, 2},
        {"a node removed under a reader is retired, not freed", 'R', 0, {c}, 2},
        {"the next append reuses the retired node", 'a', 3, {c, d}, 2},
        {"an unknown header changes nothing", 'r', 1, {c, d}, 2},
        {"removed without a reader, nodes are freed", 'r', 2, {d}, 1},
        {"the last one leaves the list empty", 'r', 3, {}, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.situation);
        if (step.edit == 'a') images.append(objects[step.object]);
        if (step.edit == 'R') vtcrash_async_image_list_set_reading(&images.list, true);
        if (step.edit != 'a') vtcrash_async_image_list_remove(&images.list, images.header(objects[step.object]));
        if (step.edit == 'R') vtcrash_async_image_list_set_reading(&images.list, false);
        EXPECT_EQ(images.names(), step.names);
        EXPECT_EQ(vtcrash_async_image_list_node_count(&images.list), step.nodes);
    }
}

// A reader that stands on a node as it is removed walks on through the rest of the list,
// and the node is taken again only once no reader is left.
TEST(VTCrashImageList, AReaderStandingOnARemovedNodeWalksOnToTheRest) {
    const auto objects = loadedObjects();
    ImageList images;
    for (size_t index = 0; index < 3; ++index) images.append(objects[index]);
    vtcrash_async_image_list_set_reading(&images.list, true);
    auto* standing = vtcrash_async_image_list_next(&images.list, vtcrash_async_image_list_next(&images.list, nullptr));
    vtcrash_async_image_list_remove(&images.list, images.header(objects[1]));
    images.append(objects[3]);
    std::vector<std::string> rest;
    for (auto* image = vtcrash_async_image_list_next(&images.list, standing); image != nullptr;
         image = vtcrash_async_image_list_next(&images.list, image)) {
        rest.push_back(image->elf.name);
    }
    vtcrash_async_image_list_set_reading(&images.list, false);
    EXPECT_EQ(rest, (std::vector<std::string>{objects[2].name, objects[3].name}));
    EXPECT_EQ(vtcrash_async_image_list_node_count(&images.list), 4u);
}

// Readers walk the list while a writer moves objects to its end, as a crash log is
// written while libraries load and unload: the writer appends an object again before it
// removes its older node, so every walk must meet every object and only whole records.
// A reader standing on a node that is taken again for an append would end its walk
// early; under a thread sanitizer any plain write a reader races with shows too.
TEST(VTCrashImageList, ReadersWalkWhileAWriterChangesTheList) {
    // Two small objects move, so that the writer goes round often.
    QTemporaryDir folder;
    const std::string copy = folder.filePath(QStringLiteral("copy")).toStdString();
    std::filesystem::copy_file(VTCRASH_TEST_OBJECT, copy);
    void* small[] = {dlopen(VTCRASH_TEST_OBJECT, RTLD_NOW | RTLD_LOCAL), dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL)};
    ASSERT_TRUE(small[0] && small[1]);
    std::vector<LoadedObject> objects = {loadedObjects().front()};
    for (const auto& object : loadedObjects()) {
        if (object.name == VTCRASH_TEST_OBJECT || object.name == copy) objects.push_back(object);
    }
    ASSERT_EQ(objects.size(), 3u);
    ImageList images;
    for (const auto& object : objects) images.append(object);
    std::atomic<bool> writing{true};
    std::thread writer([&] {
        for (int round = 0; round < 1000; ++round) {
            const auto& moved = objects[1 + round % 2];
            images.append(moved);
            vtcrash_async_image_list_remove(&images.list, images.header(moved));
        }
        writing = false;
    });
    size_t walks = 0, bad = 0, incomplete = 0;
    while (writing || walks == 0) {
        vtcrash_async_image_list_set_reading(&images.list, true);
        std::set<std::string> met;
        for (auto* image = vtcrash_async_image_list_next(&images.list, nullptr); image != nullptr;
             image = vtcrash_async_image_list_next(&images.list, image)) {
            const bool whole = image->elf.name != nullptr && image->elf.name[0] == '/';
            bad += !whole;
            if (whole) met.insert(image->elf.name);
            // Standing on the node a while, as a writer of a crash log does.
            std::this_thread::yield();
        }
        vtcrash_async_image_list_set_reading(&images.list, false);
        incomplete += met.size() != 3;
        ++walks;
    }
    writer.join();
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(incomplete, 0u) << "of " << walks << " walks";
    EXPECT_EQ(images.names().size(), 3u);
    for (void* object : small) dlclose(object);
}

TEST(VTCrashImageList, FollowsTheLoaderAndFindsObjectsLoadedSinceTheLastSync) {
    ImageList images;
    vtcrash_async_image_list_sync(&images.list);
    const auto count = [&](const std::string& name) {
        size_t found = 0;
        for (const auto& listed : images.names()) found += listed.find(name) != std::string::npos;
        return found;
    };
    const std::string path = VTCRASH_TEST_OBJECT;
    ASSERT_EQ(count(path), 0u);

    void* object = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(object, nullptr) << dlerror();
    // A run loads hundreds of objects after capture is enabled; copies stand in for them.
    QTemporaryDir folder;
    std::vector<void*> copies;
    for (int index = 0; index < 300; ++index) {
        const std::string copy = folder.filePath(QString::number(index)).toStdString();
        std::filesystem::copy_file(path, copy);
        copies.push_back(dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL));
    }
    EXPECT_EQ(vtcrash_async_image_list_add_loaded_since_sync(&images.list), 1u + copies.size());
    EXPECT_EQ(images.names()[images.names().size() - copies.size() - 1], "+" + path);
    EXPECT_EQ(images.names().back(), "+" + folder.filePath(QStringLiteral("299")).toStdString());
    EXPECT_EQ(vtcrash_async_image_list_add_loaded_since_sync(&images.list), 0u) << "found once only";
    for (void* copy : copies) dlclose(copy);

    // Its whole span belongs to it: code, and the zero-filled variables past its file.
    auto* counter = dlsym(object, "vtcrash_test_object_counter");
    auto* function = dlsym(object, "vtcrash_test_object_wait_a");
    for (void* inside : {counter, function}) {
        const auto* image = vtcrash_async_image_list_image_containing_address(&images.list, uint64_t(inside));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->elf.name, path);
        EXPECT_FALSE(vtcrash_async_elf_contains_address(&image->elf, image->elf.span_end));
        EXPECT_FALSE(vtcrash_async_elf_contains_address(&image->elf, image->elf.span_start - 1));
    }

    EXPECT_TRUE(vtcrash_async_image_list_sync(&images.list));
    EXPECT_EQ(count(path), 1u) << "listed once, no longer as found at crash time";
    EXPECT_FALSE(vtcrash_async_image_list_sync(&images.list)) << "the loader's counters did not move";
    ASSERT_EQ(dlclose(object), 0);
    EXPECT_TRUE(vtcrash_async_image_list_sync(&images.list));
    EXPECT_EQ(count(path), 0u);
}

#if defined(__x86_64__)
constexpr uint32_t kMachine = VTCRASH_CPU_X86_64;
#else
constexpr uint32_t kMachine = VTCRASH_CPU_ARM64;
#endif

// Walks with every reader from `pc`, the stack and frame pointers at `stack` (whose top
// word and frame record tempt the guessing readers), and gives the frames yielded and
// the final step's error.
std::pair<size_t, vtcrash_frame_error_t> walkFrom(ImageList& images, uint64_t pc, bool exact, uint64_t* stack) {
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, kMachine);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, pc);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_SP, uint64_t(stack));
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, uint64_t(stack));
#if defined(__aarch64__)
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_ARM64_LR, stack[1]);
#endif
    state.ip_is_exact = exact;
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, &images.task, &state, &images.list);
    size_t frames = 0;
    vtcrash_frame_error_t result = VTCRASH_FRAME_OK;
    while (frames < 8 && (result = vtcrash_frame_cursor_next(&cursor)) == VTCRASH_FRAME_OK) ++frames;
    return {frames, result};
}

// More objects load after the last sync than crash time can describe: those past the
// reserve are told apart from code in no object, and a walk ends at a frame in one of
// them instead of guessing a garbage caller.
TEST(VTCrashImageList, AWalkEndsCleanlyInAnObjectPastTheReserve) {
    ImageList images;
    vtcrash_async_image_list_sync(&images.list);
    QTemporaryDir folder;
    std::vector<void*> copies;
    for (size_t index = 0; index < VTCRASH_IMAGE_LIST_RESERVED + 4; ++index) {
        const std::string copy = folder.filePath(QString::number(index)).toStdString();
        std::filesystem::copy_file(VTCRASH_TEST_OBJECT, copy);
        copies.push_back(dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL));
        ASSERT_NE(copies.back(), nullptr) << dlerror();
    }
    EXPECT_EQ(vtcrash_async_image_list_add_loaded_since_sync(&images.list), VTCRASH_IMAGE_LIST_RESERVED);
    const auto codeIn = [](void* object) { return uint64_t(dlsym(object, "vtcrash_test_object_wait_a")) + 4; };
    const uint64_t described = codeIn(copies.front()), undescribed = codeIn(copies.back());
    EXPECT_NE(vtcrash_async_image_list_image_containing_address(&images.list, described), nullptr);
    EXPECT_FALSE(vtcrash_async_image_list_unlisted_object_contains_address(&images.list, described));
    EXPECT_EQ(vtcrash_async_image_list_image_containing_address(&images.list, undescribed), nullptr);
    EXPECT_TRUE(vtcrash_async_image_list_unlisted_object_contains_address(&images.list, undescribed));

    // On top of the stack (the return address of a call) and in the frame record it
    // starts (the caller's frame pointer, then its return address): listed code.
    struct Case {
        const char* situation;
        uint64_t pc;
        bool exact;
        uint64_t top;
        size_t frames;
    };
    uint64_t stack[4] = {};
    const Case cases[] = {
        {"a fault in an undescribed object", undescribed, true, described + 1, 1},
        {"a return address into an undescribed object", undescribed, false, uint64_t(&stack[2]), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        stack[0] = c.top;
        stack[1] = described + 1;
        const auto [frames, end] = walkFrom(images, c.pc, c.exact, stack);
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(end, VTCRASH_FRAME_ENOFRAME);
    }
    stack[0] = described + 1;
    EXPECT_GE(walkFrom(images, 0, true, stack).first, 2u) << "a call to nowhere still finds its caller";
    for (void* copy : copies) dlclose(copy);
}

// The symbol lookup's answers for addresses in a loaded object, with the loader's own
// bounds of its exported functions as the oracle.
TEST(VTCrashImageReader, SymbolsCoverTheirFunctionsOnly) {
    void* object = dlopen(VTCRASH_TEST_OBJECT, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(object, nullptr);
    ImageList images;
    vtcrash_async_image_list_sync(&images.list);
    auto* wait_a = reinterpret_cast<uint8_t*>(dlsym(object, "vtcrash_test_object_wait_a"));
    Dl_info info;
    void* entry = nullptr;
    ASSERT_TRUE(dladdr1(wait_a, &info, &entry, RTLD_DL_SYMENT));
    const auto* symbol = static_cast<const ElfW(Sym)*>(entry);
    const auto* image = vtcrash_async_image_list_image_containing_address(&images.list, uint64_t(wait_a));
    ASSERT_NE(image, nullptr);

    struct Case {
        const char* situation;
        uint64_t pc;
        uint32_t strategy;
        vtcrash_error_t result;
        std::string name;
    };
    const Case cases[] = {
        {"first byte", uint64_t(wait_a), 1, VTCRASH_OK, "vtcrash_test_object_wait_a"},
        {"last byte", uint64_t(wait_a) + symbol->st_size - 1, 1, VTCRASH_OK, "vtcrash_test_object_wait_a"},
        {"without the symbol tables", uint64_t(wait_a), 0, VTCRASH_ERR_NOTFOUND, ""},
        {"below every function", image->elf.header_addr, 1, VTCRASH_ERR_NOTFOUND, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        std::pair<uint64_t, std::string> found{0, ""};
        const auto result = vtcrash_async_find_symbol(
            image, c.strategy, nullptr, c.pc,
            [](uint64_t address, const char* name, void* context) {
                *static_cast<std::pair<uint64_t, std::string>*>(context) = {address, name};
            },
            &found);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(found.second, c.name);
        EXPECT_EQ(found.first, c.result == VTCRASH_OK ? uint64_t(wait_a) : 0);
    }
    dlclose(object);
}

}  // namespace
