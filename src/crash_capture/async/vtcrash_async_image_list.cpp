#include "crash_capture/async/vtcrash_async_image_list.h"

#include <atomic>
#include <climits>
#include <elf.h>
#include <link.h>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// What readers load of a node is atomic; the rest is the writers', under the lock.
struct vtcrash_async_image_node {
    std::atomic<vtcrash_async_image*> image;
    vtcrash_async_image_node* prev;
    std::atomic<vtcrash_async_image_node*> next;
    // The next retired node, while this one waits on the free list.
    vtcrash_async_image_node* free_next;
};

namespace {

// A listed object with the copy of its path that its record points at (a Mach-O record
// holds its own copy).
struct OwnedImage {
    OwnedImage() = default;
    OwnedImage(const OwnedImage&) = delete;
    OwnedImage& operator=(const OwnedImage&) = delete;
    ~OwnedImage() {
        if (image.format == VTCRASH_IMAGE_FORMAT_MACHO) vtcrash_async_macho_free(&image.macho);
    }

    vtcrash_async_image image{};
    std::string name;
};

// An object as the loader reports it.
struct LoadedObject {
    uint64_t load_bias;
    uint64_t phdr_addr;
    uint32_t phnum;
    std::string name;
};

struct LoaderSnapshot {
    unsigned long long adds = 0;
    unsigned long long subs = 0;
    std::vector<LoadedObject> objects;
};

// A loop over the loader's list gives up after this many entries: a damaged list may
// run in a circle.
constexpr size_t kMaxLoaderEntries = 4096;

std::string executablePath() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

LoaderSnapshot takeLoaderSnapshot() {
    LoaderSnapshot snapshot;
    ::dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* taken = static_cast<LoaderSnapshot*>(data);
            taken->adds = info->dlpi_adds;
            taken->subs = info->dlpi_subs;
            // The main program comes first, with an empty name.
            const bool main_program = taken->objects.empty() && (info->dlpi_name == nullptr || !*info->dlpi_name);
            taken->objects.push_back({info->dlpi_addr, reinterpret_cast<uint64_t>(info->dlpi_phdr), info->dlpi_phnum,
                                      main_program ? executablePath() : std::string(info->dlpi_name)});
            return 0;
        },
        &snapshot);
    return snapshot;
}

}  // namespace

struct vtcrash_async_image_list_storage {
    std::mutex write_lock;
    // Serialises syncs, which compare the list with the loader before changing it.
    std::mutex sync_lock;
    std::atomic<vtcrash_async_image_node*> head{nullptr};
    vtcrash_async_image_node* tail = nullptr;
    std::atomic<int32_t> refcount{0};
    // Nodes unlinked while a reader was active, chained by free_next.
    vtcrash_async_image_node* free_list = nullptr;
    std::atomic<size_t> node_count{0};
    // Every record ever appended, freed with the list.
    std::vector<std::unique_ptr<OwnedImage>> records;

    bool synced = false;
    unsigned long long loader_adds = 0;
    unsigned long long loader_subs = 0;

    // Objects found at crash time, published by raising found_count, and their paths one
    // after the other. Left uninitialised, so that pages never used are never touched:
    // a record is written before found_count publishes it.
    std::atomic<bool> finding{false};
    std::atomic<uint32_t> found_count{0};
    // Whether the last find met an object it could not describe.
    std::atomic<bool> found_incomplete{false};
    size_t found_names_used = 0;
    vtcrash_async_image found[VTCRASH_IMAGE_LIST_RESERVED];
    char found_names[VTCRASH_IMAGE_LIST_RESERVED_NAMES_SIZE];
};

namespace {

bool listedObjectMatches(const vtcrash_async_image* image, const LoadedObject& object) {
    return image->from_loader && image->elf.phdr_addr == object.phdr_addr && image->elf.load_bias == object.load_bias;
}

bool holdsDynamicSection(vtcrash_async_image_list* list, uint64_t dynamic_addr) {
    for (auto* image = vtcrash_async_image_list_next(list, nullptr); image != nullptr;
         image = vtcrash_async_image_list_next(list, image)) {
        if (image->format == VTCRASH_IMAGE_FORMAT_ELF && image->elf.dynamic_addr == dynamic_addr) return true;
    }
    return false;
}

// Links a described record in at the tail.
void publish(vtcrash_async_image_list_storage* storage, std::unique_ptr<OwnedImage> owned) {
    owned->image.found_index = -1;
    const std::lock_guard lock(storage->write_lock);
    // A retired node is taken again only while no reader is active: one may still stand
    // on it, and must not find it rewritten. A reader that starts now cannot reach it.
    vtcrash_async_image_node* node = storage->refcount.load() == 0 ? storage->free_list : nullptr;
    if (node != nullptr) {
        storage->free_list = node->free_next;
    } else {
        node = new vtcrash_async_image_node();
        storage->node_count.fetch_add(1);
    }
    node->image.store(&owned->image);
    node->prev = nullptr;
    node->free_next = nullptr;
    node->next.store(nullptr);
    owned->image.node = node;
    storage->records.push_back(std::move(owned));

    // Everything about the node is visible before a reader can reach it.
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (storage->tail != nullptr) {
        node->prev = storage->tail;
        storage->tail->next.store(node, std::memory_order_release);
    } else {
        storage->head.store(node, std::memory_order_release);
    }
    storage->tail = node;
}

vtcrash_error_t describeAt(const vtcrash_async_task* task, uint64_t header_addr, OwnedImage* owned) {
    uint8_t magic[SELFMAG];
    if (vtcrash_async_task_memcpy(task, header_addr, 0, magic, sizeof magic) != VTCRASH_OK) {
        return VTCRASH_ERR_NOTFOUND;
    }
    if (__builtin_memcmp(magic, ELFMAG, SELFMAG) == 0) {
        owned->image.format = VTCRASH_IMAGE_FORMAT_ELF;
        return vtcrash_async_elf_init_at_bias(&owned->image.elf, task, owned->name.c_str(), header_addr);
    }
    uint32_t word = 0;
    __builtin_memcpy(&word, magic, sizeof word);
    switch (word) {
    case VTCRASH_MACHO_MAGIC_32:
    case VTCRASH_MACHO_MAGIC_64:
    case VTCRASH_MACHO_MAGIC_32_SWAPPED:
    case VTCRASH_MACHO_MAGIC_64_SWAPPED: {
        const vtcrash_error_t described =
            vtcrash_async_macho_init(&owned->image.macho, task, owned->name.c_str(), header_addr);
        // Only a described record holds anything for the record's destructor to free.
        if (described == VTCRASH_OK) owned->image.format = VTCRASH_IMAGE_FORMAT_MACHO;
        return described;
    }
    default:
        return VTCRASH_ERR_INVAL;
    }
}

// Forgets the objects found at crash time once the list holds them, unless a reader
// might be looking at them.
void forgetFoundObjects(vtcrash_async_image_list_storage* storage) {
    if (storage->finding.exchange(true, std::memory_order_acquire)) return;
    if (storage->refcount.load() == 0) {
        storage->found_count.store(0, std::memory_order_release);
        storage->found_names_used = 0;
        storage->found_incomplete.store(false, std::memory_order_release);
    }
    storage->finding.store(false, std::memory_order_release);
}

}  // namespace

vtcrash_error_t vtcrash_async_image_list_init(vtcrash_async_image_list* list, const vtcrash_async_task* task) {
    list->task = task;
    list->storage = new vtcrash_async_image_list_storage;
    return VTCRASH_OK;
}

void vtcrash_async_image_list_free(vtcrash_async_image_list* list) {
    auto* storage = list->storage;
    for (auto* node = storage->head.load(); node != nullptr;) delete std::exchange(node, node->next.load());
    for (auto* node = storage->free_list; node != nullptr;) delete std::exchange(node, node->free_next);
    delete storage;
    list->storage = nullptr;
}

vtcrash_error_t vtcrash_async_image_list_append(vtcrash_async_image_list* list, const char* name, uint64_t load_bias,
                                                uint64_t phdr_addr, uint32_t phnum) {
    auto owned = std::make_unique<OwnedImage>();
    owned->name = name;
    const vtcrash_error_t described =
        vtcrash_async_elf_init(&owned->image.elf, list->task, owned->name.c_str(), load_bias, phdr_addr, phnum);
    if (described != VTCRASH_OK) return described;
    owned->image.format = VTCRASH_IMAGE_FORMAT_ELF;
    owned->image.from_loader = true;
    publish(list->storage, std::move(owned));
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_image_list_append_at(vtcrash_async_image_list* list, uint64_t header_addr,
                                                   const char* name) {
    auto owned = std::make_unique<OwnedImage>();
    owned->name = name != nullptr ? name : "";
    const vtcrash_error_t described = describeAt(list->task, header_addr, owned.get());
    if (described != VTCRASH_OK) return described;
    publish(list->storage, std::move(owned));
    return VTCRASH_OK;
}

void vtcrash_async_image_list_remove(vtcrash_async_image_list* list, uint64_t header_addr) {
    auto* storage = list->storage;
    const std::lock_guard lock(storage->write_lock);
    vtcrash_async_image_node* node = storage->head.load();
    while (node != nullptr && vtcrash_async_image_header_address(node->image.load()) != header_addr) {
        node = node->next.load();
    }
    if (node == nullptr) return;

    // The unlink and the reader count below are sequentially consistent: a reader that
    // raised its count after the check can no longer reach the node.
    vtcrash_async_image_node* next = node->next.load();
    if (node->prev == nullptr) {
        storage->head.store(next);
    } else {
        node->prev->next.store(next);
    }
    if (next != nullptr) {
        next->prev = node->prev;
    } else {
        storage->tail = node->prev;
    }

    // A reader may stand on the node: it is retired, unchanged, so its next link still
    // leads that reader on through the list (or through nodes retired after it), never to
    // freed memory; it waits on the free list until no reader is active.
    if (storage->refcount.load() >= 1) {
        node->free_next = storage->free_list;
        storage->free_list = node;
    } else {
        delete node;
        storage->node_count.fetch_sub(1);
    }
}

bool vtcrash_async_image_list_sync(vtcrash_async_image_list* list) {
    auto* storage = list->storage;
    const std::lock_guard lock(storage->sync_lock);
    const LoaderSnapshot snapshot = takeLoaderSnapshot();
    if (storage->synced && snapshot.adds == storage->loader_adds && snapshot.subs == storage->loader_subs) {
        return false;
    }

    // 1. Objects the loader no longer has.
    std::vector<uint64_t> gone;
    vtcrash_async_image_list_set_reading(list, true);
    for (auto* node = storage->head.load(); node != nullptr; node = node->next.load()) {
        const vtcrash_async_image* image = node->image.load();
        bool loaded = !image->from_loader;
        for (const auto& object : snapshot.objects) loaded = loaded || listedObjectMatches(image, object);
        if (!loaded) gone.push_back(image->elf.header_addr);
    }
    vtcrash_async_image_list_set_reading(list, false);
    for (const uint64_t header_addr : gone) vtcrash_async_image_list_remove(list, header_addr);

    // 2. Objects the list does not have yet.
    bool changed = !gone.empty();
    for (const auto& object : snapshot.objects) {
        bool listed = false;
        for (auto* node = storage->head.load(); node != nullptr && !listed; node = node->next.load()) {
            listed = listedObjectMatches(node->image.load(), object);
        }
        if (!listed && vtcrash_async_image_list_append(list, object.name.c_str(), object.load_bias, object.phdr_addr,
                                                       object.phnum) == VTCRASH_OK) {
            changed = true;
        }
    }

    forgetFoundObjects(storage);
    storage->synced = true;
    storage->loader_adds = snapshot.adds;
    storage->loader_subs = snapshot.subs;
    return changed;
}

size_t vtcrash_async_image_list_add_loaded_since_sync(vtcrash_async_image_list* list) {
    auto* storage = list->storage;
    if (storage->finding.exchange(true, std::memory_order_acquire)) return 0;
    vtcrash_async_image_list_set_reading(list, true);

    size_t added = 0;
    // Objects the list does not hold; each is either described here or left out.
    size_t unlisted = 0;
    link_map* first = nullptr;
    uint64_t entry = 0;
    if (vtcrash_async_task_memcpy(list->task, reinterpret_cast<uint64_t>(&_r_debug.r_map), 0, &first, sizeof first) ==
        VTCRASH_OK) {
        entry = reinterpret_cast<uint64_t>(first);
    }
    for (size_t step = 0; step < kMaxLoaderEntries && entry != 0; ++step) {
        link_map object;
        if (vtcrash_async_task_memcpy(list->task, entry, 0, &object, sizeof object) != VTCRASH_OK) break;
        entry = reinterpret_cast<uint64_t>(object.l_next);
        const uint32_t index = storage->found_count.load(std::memory_order_relaxed);
        const auto dynamic_addr = reinterpret_cast<uint64_t>(object.l_ld);
        if (dynamic_addr == 0 || holdsDynamicSection(list, dynamic_addr)) continue;
        ++unlisted;
        if (index >= VTCRASH_IMAGE_LIST_RESERVED) continue;
        // Paths follow one another in the pool; once it is full, objects go without one.
        const size_t room = VTCRASH_IMAGE_LIST_RESERVED_NAMES_SIZE - storage->found_names_used;
        char* pooled = storage->found_names + storage->found_names_used;
        const size_t size = room < VTCRASH_IMAGE_LIST_RESERVED_NAME_SIZE ? room : VTCRASH_IMAGE_LIST_RESERVED_NAME_SIZE;
        const char* name = "";
        size_t name_size = 0;
        if (room != 0 && vtcrash_async_task_read_string(list->task, reinterpret_cast<uint64_t>(object.l_name),
                                                        UINT64_MAX, pooled, size) == VTCRASH_OK) {
            name = pooled;
            while (pooled[name_size++] != '\0') {}
        }
        vtcrash_async_image* image = &storage->found[index];
        if (vtcrash_async_elf_init_at_bias(&image->elf, list->task, name, object.l_addr) != VTCRASH_OK) continue;
        image->format = VTCRASH_IMAGE_FORMAT_ELF;
        image->from_loader = true;
        image->node = nullptr;
        image->found_index = static_cast<int32_t>(index);
        storage->found_names_used += name_size;
        storage->found_count.store(index + 1, std::memory_order_release);
        ++added;
    }

    // Past the reserve, or not readable where the loader says it is.
    if (added != unlisted) storage->found_incomplete.store(true, std::memory_order_release);
    vtcrash_async_image_list_set_reading(list, false);
    storage->finding.store(false, std::memory_order_release);
    return added;
}

bool vtcrash_async_image_list_unlisted_object_contains_address(vtcrash_async_image_list* list, uint64_t address) {
    auto* storage = list->storage;
    if (!storage->found_incomplete.load(std::memory_order_acquire)) return false;
    vtcrash_async_image_list_set_reading(list, true);
    const bool listed = vtcrash_async_image_list_image_containing_address(list, address) != nullptr;
    vtcrash_async_image_list_set_reading(list, false);
    if (listed) return false;

    link_map* first = nullptr;
    if (vtcrash_async_task_memcpy(list->task, reinterpret_cast<uint64_t>(&_r_debug.r_map), 0, &first, sizeof first) !=
        VTCRASH_OK) {
        return false;
    }
    auto entry = reinterpret_cast<uint64_t>(first);
    for (size_t step = 0; step < kMaxLoaderEntries && entry != 0; ++step) {
        link_map object;
        if (vtcrash_async_task_memcpy(list->task, entry, 0, &object, sizeof object) != VTCRASH_OK) return false;
        entry = reinterpret_cast<uint64_t>(object.l_next);
        if (object.l_ld != nullptr &&
            vtcrash_async_elf_object_at_bias_contains_address(list->task, object.l_addr, address)) {
            return true;
        }
    }
    return false;
}

void vtcrash_async_image_list_set_reading(vtcrash_async_image_list* list, bool enable) {
    if (enable) {
        list->storage->refcount.fetch_add(1);
    } else {
        list->storage->refcount.fetch_sub(1);
    }
}

vtcrash_async_image* vtcrash_async_image_list_next(vtcrash_async_image_list* list, vtcrash_async_image* current) {
    auto* storage = list->storage;
    const uint32_t found = storage->found_count.load(std::memory_order_acquire);
    int32_t next_found = 0;
    if (current == nullptr || current->node != nullptr) {
        vtcrash_async_image_node* node = current == nullptr ? storage->head.load() : current->node->next.load();
        if (node != nullptr) return node->image.load();
    } else {
        next_found = current->found_index + 1;
    }
    return static_cast<uint32_t>(next_found) < found ? &storage->found[next_found] : nullptr;
}

vtcrash_async_image* vtcrash_async_image_list_image_containing_address(vtcrash_async_image_list* list,
                                                                       uint64_t address) {
    for (auto* image = vtcrash_async_image_list_next(list, nullptr); image != nullptr;
         image = vtcrash_async_image_list_next(list, image)) {
        if (vtcrash_async_image_contains_address(image, address)) return image;
    }
    return nullptr;
}

uint64_t vtcrash_async_image_header_address(const vtcrash_async_image* image) {
    return image->format == VTCRASH_IMAGE_FORMAT_MACHO ? image->macho.header_addr : image->elf.header_addr;
}

const char* vtcrash_async_image_name(const vtcrash_async_image* image) {
    return image->format == VTCRASH_IMAGE_FORMAT_MACHO ? image->macho.name : image->elf.name;
}

bool vtcrash_async_image_contains_address(const vtcrash_async_image* image, uint64_t address) {
    return image->format == VTCRASH_IMAGE_FORMAT_MACHO ? vtcrash_async_macho_contains_address(&image->macho, address)
                                                       : vtcrash_async_elf_contains_address(&image->elf, address);
}

size_t vtcrash_async_image_list_node_count(const vtcrash_async_image_list* list) {
    return list->storage->node_count.load();
}
