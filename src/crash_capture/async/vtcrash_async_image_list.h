#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_elf.h"
#include "crash_capture/async/vtcrash_async_macho.h"
#include "crash_capture/async/vtcrash_error.h"

// The objects loaded in the process, for the crash log's image list and for the stack
// walkers, which must find the object holding a program counter. Crash time may take no
// lock and allocate nothing, so the list is kept ahead of time: synced with the loader
// (dl_iterate_phdr) on ordinary threads, whose changes are serialised by a lock, while
// readers walk it without one. Objects loaded since the last sync are found at crash
// time by walking the loader's own list into records reserved beforehand.
//
// The loader's objects are ELF; an image of the other format the crash-time readers
// know, a Mach-O image laid out in memory, is added and removed by its header address.

struct vtcrash_async_image_node;
struct vtcrash_async_image_list_storage;

// Told apart by the magic at the image's header.
typedef enum {
    VTCRASH_IMAGE_FORMAT_ELF = 0,
    VTCRASH_IMAGE_FORMAT_MACHO = 1,
} vtcrash_async_image_format_t;

// One listed object. Records are never freed while the list lives, so a pointer to one
// stays readable even after the object was unloaded.
struct vtcrash_async_image {
    vtcrash_async_image_format_t format;
    // The description of the image's format; the other one is zeroed, except in the
    // records reserved for crash time, which are only ever ELF.
    vtcrash_async_elf elf;
    vtcrash_async_macho macho;
    // Whether the loader reports the object: a sync keeps only those in line with the
    // loader, so an image added by its header address stays until it is removed.
    bool from_loader;
    // The node that holds it; null for an object found at crash time.
    vtcrash_async_image_node* node;
    // Its place among the objects found at crash time; -1 for a listed object.
    int32_t found_index;
};

struct vtcrash_async_image_list {
    const vtcrash_async_task* task;
    vtcrash_async_image_list_storage* storage;
};

// How many objects loaded since the last sync crash time can still describe (plugins,
// printing and the desktop portals load hundreds), the bytes their paths may take
// together, and the longest path kept for one, NUL included.
constexpr size_t VTCRASH_IMAGE_LIST_RESERVED = 1024;
constexpr size_t VTCRASH_IMAGE_LIST_RESERVED_NAMES_SIZE = 128 * 1024;
constexpr size_t VTCRASH_IMAGE_LIST_RESERVED_NAME_SIZE = 512;

// Allocates the list and its reserved records; the task must outlive the list.
vtcrash_error_t vtcrash_async_image_list_init(vtcrash_async_image_list* list, const vtcrash_async_task* task);
// Frees everything; no reader may be active. Never on a crash road.
void vtcrash_async_image_list_free(vtcrash_async_image_list* list);

// Describes the object and appends it, with a copy of `name`. An object that cannot be
// described leaves the list unchanged and gives the reader's error.
vtcrash_error_t vtcrash_async_image_list_append(vtcrash_async_image_list* list, const char* name, uint64_t load_bias,
                                                uint64_t phdr_addr, uint32_t phnum);
// Describes the image whose header lies at `header_addr`, ELF or Mach-O by its magic,
// and appends it with a copy of `name`. An ELF object must start at its header, as every
// shared object does. An unknown magic gives VTCRASH_ERR_INVAL, an image that cannot be
// described the reader's error; either leaves the list unchanged. Ordinary threads only.
vtcrash_error_t vtcrash_async_image_list_append_at(vtcrash_async_image_list* list, uint64_t header_addr,
                                                   const char* name);
// Unlinks the image whose header lies at `header_addr`; nothing when none does.
void vtcrash_async_image_list_remove(vtcrash_async_image_list* list, uint64_t header_addr);

// Brings the list in line with the loader: objects gone are removed, new ones appended.
// Does nothing while the loader's add and remove counters are where the last sync saw
// them. Takes the loader's lock: never at crash time. Returns whether the list changed.
bool vtcrash_async_image_list_sync(vtcrash_async_image_list* list);

// Crash time: walks the loader's list (_r_debug) and describes, in the reserved records,
// the objects that the list does not hold. Returns how many objects were added; 0 while
// another caller is already doing it.
size_t vtcrash_async_image_list_add_loaded_since_sync(vtcrash_async_image_list* list);

// Crash time: whether the address lies in no listed object but in one the loader holds
// and the list could not describe (past the reserve, or unreadable there). Frames there
// cannot be unwound, and a guess would give a garbage caller. Looked for only once the
// last crash-time find left an object out.
bool vtcrash_async_image_list_unlisted_object_contains_address(vtcrash_async_image_list* list, uint64_t address);

// Every reader brackets its walk with true and false: removed nodes stay readable while
// any reader is active.
void vtcrash_async_image_list_set_reading(vtcrash_async_image_list* list, bool enable);

// With current null the first object, else the one after it; null at the end. Listed
// objects come first, then those found at crash time.
vtcrash_async_image* vtcrash_async_image_list_next(vtcrash_async_image_list* list, vtcrash_async_image* current);

// Where the image's header lies, its path, and whether it holds the address: an ELF
// object spans its segments, a Mach-O image its __TEXT segment from the header on.
uint64_t vtcrash_async_image_header_address(const vtcrash_async_image* image);
const char* vtcrash_async_image_name(const vtcrash_async_image* image);
bool vtcrash_async_image_contains_address(const vtcrash_async_image* image, uint64_t address);

// The first object, in list order, that holds the address; null when none.
vtcrash_async_image* vtcrash_async_image_list_image_containing_address(vtcrash_async_image_list* list,
                                                                       uint64_t address);

// Nodes allocated so far, live and retired; retired ones are reused, once no reader is
// active, before allocating.
size_t vtcrash_async_image_list_node_count(const vtcrash_async_image_list* list);
