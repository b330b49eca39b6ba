#include "crash_capture/async/vtcrash_async_mobject.h"

#include "crash_capture/async/vtcrash_async_leb128.h"

namespace {

template <typename T>
vtcrash_error_t readThroughWindow(const vtcrash_async_mobject* mobj, uint64_t task_address, int64_t offset, T* out) {
    const void* local = vtcrash_async_mobject_remap_address(mobj, task_address, offset, sizeof(T));
    if (local == nullptr) return VTCRASH_ERR_INVAL;
    // The window may start anywhere, so values are copied rather than loaded in place.
    __builtin_memcpy(out, local, sizeof(T));
    return VTCRASH_OK;
}

// The bytes of the window from task_address + offset on, for a decoder that stops at
// its own end.
const void* tail(const vtcrash_async_mobject* mobj, uint64_t task_address, int64_t offset, uint64_t* available) {
    const void* local = vtcrash_async_mobject_remap_address(mobj, task_address, offset, 1);
    if (local == nullptr) return nullptr;
    *available = mobj->address + mobj->length - reinterpret_cast<uint64_t>(local);
    return local;
}

// A page's worth of bytes from `at`, cut at the top of the address space.
uint64_t oneWindow(const vtcrash_async_task* task, uint64_t at) {
    const uint64_t room = UINT64_MAX - at;
    return room < task->page_size ? room : task->page_size;
}

}  // namespace

vtcrash_error_t vtcrash_async_mobject_init(vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                           uint64_t task_address, uint64_t length, bool require_full) {
    *mobj = {};
    uint64_t end = 0;
    if (length == 0 || __builtin_add_overflow(task_address, length, &end)) return VTCRASH_ERR_NOMEM;

    const uint64_t page_mask = task->page_size - 1;
    const uint64_t start = task_address & ~page_mask;
    const uint64_t readable = vtcrash_async_task_readable_length(task, task_address, length);
    if (readable == 0 || (require_full && readable < length)) return VTCRASH_ERR_NOMEM;

    mobj->task = task;
    mobj->address = task_address;
    mobj->task_address = task_address;
    mobj->length = readable;
    mobj->vm_slide = 0;
    mobj->vm_address = start;
    mobj->vm_length = ((task_address + readable + page_mask) & ~page_mask) - start;
    return VTCRASH_OK;
}

void vtcrash_async_mobject_free(vtcrash_async_mobject* mobj) { *mobj = {}; }

bool vtcrash_async_mobject_verify_local_pointer(const vtcrash_async_mobject* mobj, uint64_t address, int64_t offset,
                                                uint64_t length) {
    uint64_t first = 0;
    uint64_t end = 0;
    if (!vtcrash_async_address_apply_offset(address, offset, &first)) return false;
    if (__builtin_add_overflow(first, length, &end)) return false;
    return first >= mobj->address && end <= mobj->address + mobj->length;
}

const void* vtcrash_async_mobject_remap_address(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                int64_t offset, uint64_t length) {
    uint64_t local = 0;
    if (!vtcrash_async_address_apply_offset(task_address, -mobj->vm_slide, &local)) return nullptr;
    if (!vtcrash_async_mobject_verify_local_pointer(mobj, local, offset, length)) return nullptr;
    return reinterpret_cast<const void*>(local + static_cast<uint64_t>(offset));
}

vtcrash_error_t vtcrash_async_mobject_read_uint8(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                 int64_t offset, uint8_t* out) {
    return readThroughWindow(mobj, task_address, offset, out);
}

vtcrash_error_t vtcrash_async_mobject_read_uint16(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint16_t* out) {
    uint16_t raw = 0;
    const vtcrash_error_t result = readThroughWindow(mobj, task_address, offset, &raw);
    if (result == VTCRASH_OK) *out = order->swap16(raw);
    return result;
}

vtcrash_error_t vtcrash_async_mobject_read_uint32(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint32_t* out) {
    uint32_t raw = 0;
    const vtcrash_error_t result = readThroughWindow(mobj, task_address, offset, &raw);
    if (result == VTCRASH_OK) *out = order->swap32(raw);
    return result;
}

vtcrash_error_t vtcrash_async_mobject_read_uint64(const vtcrash_async_mobject* mobj,
                                                  const vtcrash_async_byteorder* order, uint64_t task_address,
                                                  int64_t offset, uint64_t* out) {
    uint64_t raw = 0;
    const vtcrash_error_t result = readThroughWindow(mobj, task_address, offset, &raw);
    if (result == VTCRASH_OK) *out = order->swap64(raw);
    return result;
}

vtcrash_error_t vtcrash_async_mobject_read_uleb128(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                   int64_t offset, uint64_t* out_value, uint64_t* out_size) {
    uint64_t available = 0;
    const void* bytes = tail(mobj, task_address, offset, &available);
    if (bytes == nullptr) return VTCRASH_ERR_INVAL;
    return vtcrash_async_uleb128_decode(bytes, available, out_value, out_size);
}

vtcrash_error_t vtcrash_async_mobject_read_sleb128(const vtcrash_async_mobject* mobj, uint64_t task_address,
                                                   int64_t offset, int64_t* out_value, uint64_t* out_size) {
    uint64_t available = 0;
    const void* bytes = tail(mobj, task_address, offset, &available);
    if (bytes == nullptr) return VTCRASH_ERR_INVAL;
    return vtcrash_async_sleb128_decode(bytes, available, out_value, out_size);
}

const vtcrash_async_task* vtcrash_async_mobject_task(const vtcrash_async_mobject* mobj) { return mobj->task; }

uint64_t vtcrash_async_mobject_base_address(const vtcrash_async_mobject* mobj) { return mobj->task_address; }

uint64_t vtcrash_async_mobject_length(const vtcrash_async_mobject* mobj) { return mobj->length; }

vtcrash_error_t vtcrash_async_task_read_uleb128(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                                uint64_t* out_value, uint64_t* out_size) {
    uint64_t at = 0;
    if (!vtcrash_async_address_apply_offset(address, offset, &at)) return VTCRASH_ERR_INVAL;
    vtcrash_async_mobject window;
    const vtcrash_error_t opened = vtcrash_async_mobject_init(&window, task, at, oneWindow(task, at), false);
    if (opened != VTCRASH_OK) return opened;
    const vtcrash_error_t result = vtcrash_async_mobject_read_uleb128(&window, at, 0, out_value, out_size);
    vtcrash_async_mobject_free(&window);
    return result;
}

vtcrash_error_t vtcrash_async_task_read_sleb128(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                                int64_t* out_value, uint64_t* out_size) {
    uint64_t at = 0;
    if (!vtcrash_async_address_apply_offset(address, offset, &at)) return VTCRASH_ERR_INVAL;
    vtcrash_async_mobject window;
    const vtcrash_error_t opened = vtcrash_async_mobject_init(&window, task, at, oneWindow(task, at), false);
    if (opened != VTCRASH_OK) return opened;
    const vtcrash_error_t result = vtcrash_async_mobject_read_sleb128(&window, at, 0, out_value, out_size);
    vtcrash_async_mobject_free(&window);
    return result;
}
