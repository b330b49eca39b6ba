#include "crash_capture/vtcrash_log_writer.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <elf.h>
#include <string>
#include <sys/random.h>

#include "base/precondition.h"
#include "crash_capture/async/vtcrash_async_signal_info.h"
#include "crash_capture/async/vtcrash_async_string.h"
#include "crash_capture/async/vtcrash_async_symbol_lookup.h"
#include "crash_capture/async/vtcrash_async_thread_capture.h"
#include "crash_capture/async/vtcrash_frame_cursor.h"
#include "crash_capture/crash_log.pb-c.h"
#include "crash_capture/vt_crash_host_info.h"
#include "crash_capture/vt_crash_process_info.h"
#include "crash_capture/vt_crash_report_info.h"
#include "crash_capture/vtcrash_log_file_format.h"
#include "crash_capture/vtcrash_writer_pack.h"

namespace {

// Field numbers of crash_log.proto, message by message.
namespace report {
constexpr uint32_t kSystemInfo = 1, kApplicationInfo = 2, kThreads = 3, kBinaryImages = 4, kException = 5, kSignal = 6,
                   kProcessInfo = 7, kMachineInfo = 8, kReportInfo = 9, kCustomData = 10;
}
namespace report_info {
constexpr uint32_t kUserRequested = 1, kUuid = 2;
}
namespace system_info {
constexpr uint32_t kOperatingSystem = 1, kOSVersion = 2, kArchitecture = 3, kTimestamp = 4, kOSBuild = 5, kOSName = 6;
}
namespace processor {
constexpr uint32_t kEncoding = 1, kType = 2, kSubtype = 3;
}
namespace machine_info {
constexpr uint32_t kModel = 1, kProcessor = 2, kProcessorCount = 3, kLogicalProcessorCount = 4;
}
namespace application_info {
constexpr uint32_t kIdentifier = 1, kVersion = 2, kMarketingVersion = 3;
}
namespace process_info {
constexpr uint32_t kName = 1, kId = 2, kPath = 3, kParentName = 4, kParentId = 5, kNative = 6, kStartTime = 7;
}
namespace thread {
constexpr uint32_t kNumber = 1, kFrames = 2, kCrashed = 3, kRegisters = 4;
}
namespace frame {
constexpr uint32_t kPc = 3, kSymbol = 6;
}
namespace register_value {
constexpr uint32_t kName = 1, kValue = 2;
}
namespace symbol {
constexpr uint32_t kName = 1, kStartAddress = 2;
}
namespace image {
constexpr uint32_t kBaseAddress = 1, kSize = 2, kName = 3, kUuid = 4, kCodeType = 5, kBuildId = 6;
}
namespace exception {
constexpr uint32_t kName = 1, kReason = 2, kFrames = 3;
}
namespace signal {
constexpr uint32_t kName = 1, kCode = 2, kAddress = 3;
}

// The crash log names processors by Mach CPU type and subtype, which the reader knows.
struct ProcessorNumbers {
    int32_t encoding;
    uint64_t type;
    uint64_t subtype;
};
constexpr uint64_t kSubtypeX86All = 3;
constexpr uint64_t kSubtypeArmAll = 0;

// A Mach-O image names its own; the subtype's high bits are flags, kept as they are.
ProcessorNumbers processorOfMachO(const vtcrash_async_macho* macho) {
    return {VTCRASH__CRASH_REPORT__PROCESSOR__TYPE_ENCODING__TYPE_ENCODING_MACH,
            static_cast<uint32_t>(vtcrash_async_macho_get_cpu_type(macho)),
            static_cast<uint32_t>(vtcrash_async_macho_get_cpu_subtype(macho))};
}

ProcessorNumbers processorOfMachine(uint16_t machine) {
    constexpr int32_t kMach = VTCRASH__CRASH_REPORT__PROCESSOR__TYPE_ENCODING__TYPE_ENCODING_MACH;
    switch (machine) {
    case EM_X86_64:
        return {kMach, vlt::kVTCrashCPUTypeX86_64, kSubtypeX86All};
    case EM_386:
        return {kMach, vlt::kVTCrashCPUTypeX86, kSubtypeX86All};
    case EM_AARCH64:
        return {kMach, vlt::kVTCrashCPUTypeARM64, kSubtypeArmAll};
    case EM_ARM:
        return {kMach, vlt::kVTCrashCPUTypeARM, kSubtypeArmAll};
    default:
        return {VTCRASH__CRASH_REPORT__PROCESSOR__TYPE_ENCODING__TYPE_ENCODING_UNKNOWN, machine, 0};
    }
}

#if defined(__x86_64__)
constexpr uint16_t kBuildMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr uint16_t kBuildMachine = EM_AARCH64;
#else
#error "crash capture knows x86_64 and aarch64"
#endif

char* copyText(const std::string& text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

// --- Field packing ---------------------------------------------------------------

size_t packUint32(vtcrash_async_file* file, uint32_t field, uint32_t value) {
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_UINT32, &value);
}
size_t packUint64(vtcrash_async_file* file, uint32_t field, uint64_t value) {
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_UINT64, &value);
}
size_t packInt64(vtcrash_async_file* file, uint32_t field, int64_t value) {
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_INT64, &value);
}
size_t packEnum(vtcrash_async_file* file, uint32_t field, int32_t value) {
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_ENUM, &value);
}
size_t packBool(vtcrash_async_file* file, uint32_t field, bool value) {
    const uint8_t stored = value ? 1 : 0;
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_BOOL, &stored);
}
// An absent text is written with length 0.
size_t packString(vtcrash_async_file* file, uint32_t field, const char* text) {
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_STRING, text != nullptr ? text : "");
}
size_t packBytes(vtcrash_async_file* file, uint32_t field, const void* data, size_t length) {
    const vtcrash_writer_bytes bytes = {length, data};
    return vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_BYTES, &bytes);
}

// A nested message: its body is measured by a dry run (no file), then the key and the
// length are written, then the body. `body(file)` returns the body's size.
template <typename Body>
size_t packMessage(vtcrash_async_file* file, uint32_t field, const Body& body) {
    const auto length = static_cast<uint32_t>(body(nullptr));
    const size_t head = vtcrash_writer_pack(file, field, PROTOBUF_C_TYPE_MESSAGE, &length);
    if (file != nullptr) body(file);
    return head + length;
}

size_t packProcessor(vtcrash_async_file* file, uint32_t field, const ProcessorNumbers& numbers) {
    return packMessage(file, field, [&](vtcrash_async_file* out) {
        return packEnum(out, processor::kEncoding, numbers.encoding) + packUint64(out, processor::kType, numbers.type) +
               packUint64(out, processor::kSubtype, numbers.subtype);
    });
}

// --- Stacks and symbols ------------------------------------------------------------

struct SymbolLookup {
    bool valid;
    uint64_t pc;
    bool found;
    uint64_t start_address;
    char name[VTCRASH_SYMBOL_NAME_SIZE];
};

// What one write shares between its steps, on the writing thread's stack.
struct WriteContext {
    vtcrash_log_writer* writer;
    const vtcrash_async_task* task;
    vtcrash_async_image_list* images;
    // A frame is measured and then written: the second lookup of the same pc is free.
    SymbolLookup last_symbol;
    // What the symbol lookups of this log share: Mach-O images' Objective-C windows and
    // class cache.
    vtcrash_async_symbol_cache symbol_cache;
    vtcrash_frame_unwind_cache unwind_cache;
};

void storeSymbol(uint64_t address, const char* name, void* context) {
    auto* lookup = static_cast<SymbolLookup*>(context);
    lookup->found = true;
    lookup->start_address = address;
    size_t length = 0;
    while (name[length] != '\0' && length + 1 < sizeof lookup->name) {
        lookup->name[length] = name[length];
        ++length;
    }
    lookup->name[length] = '\0';
}

// A return address may lie just past the end of its function, after a call to one that
// never returns: its symbol is looked up a byte earlier.
const SymbolLookup* lookUpSymbol(WriteContext& context, uint64_t pc, bool return_address) {
    const uint32_t strategy = context.writer->symbolication_strategy;
    if (strategy == 0) return nullptr;
    SymbolLookup& lookup = context.last_symbol;
    if (!lookup.valid || lookup.pc != pc) {
        lookup.valid = true;
        lookup.pc = pc;
        lookup.found = false;
        const uint64_t address = return_address && pc > 0 ? pc - 1 : pc;
        vtcrash_async_image_list_set_reading(context.images, true);
        const vtcrash_async_image* image = vtcrash_async_image_list_image_containing_address(context.images, address);
        if (image != nullptr) {
            vtcrash_async_find_symbol(image, strategy, &context.symbol_cache, address, storeSymbol, &lookup);
        }
        vtcrash_async_image_list_set_reading(context.images, false);
    }
    return lookup.found ? &lookup : nullptr;
}

size_t packFrame(WriteContext& context, vtcrash_async_file* file, uint32_t field, uint64_t pc, bool return_address) {
    return packMessage(file, field, [&](vtcrash_async_file* out) {
        size_t size = packUint64(out, frame::kPc, pc);
        const SymbolLookup* found = lookUpSymbol(context, pc, return_address);
        if (found != nullptr) {
            size += packMessage(out, frame::kSymbol, [&](vtcrash_async_file* symbol_out) {
                return packString(symbol_out, symbol::kName, found->name) +
                       packUint64(symbol_out, symbol::kStartAddress, found->start_address);
            });
        }
        return size;
    });
}

// A thread's stack, walked once and then measured and written from here.
struct WalkedStack {
    size_t count;
    uint64_t pcs[VTCRASH_LOG_WRITER_MAX_FRAMES];
    // Whether the pc is where the frame stood (a fault, a signal's interruption) rather
    // than a return address.
    bool exact[VTCRASH_LOG_WRITER_MAX_FRAMES];
    bool has_registers;
    vtcrash_async_thread_state registers;
};

void walkStack(WriteContext& context, const vtcrash_async_thread_state* state, WalkedStack* stack) {
    stack->count = 0;
    stack->has_registers = false;
    if (state == nullptr) return;
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, context.task, state, context.images);
    cursor.unwind_cache = &context.unwind_cache;
    if (vtcrash_frame_cursor_next(&cursor) != VTCRASH_FRAME_OK) return;
    stack->has_registers = true;
    vtcrash_async_thread_state_copy(&stack->registers, &cursor.frame);
    while (stack->count < VTCRASH_LOG_WRITER_MAX_FRAMES) {
        uint64_t pc = 0;
        if (vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_IP, &pc) != VTCRASH_FRAME_OK) break;
        stack->exact[stack->count] = cursor.frame.ip_is_exact;
        stack->pcs[stack->count++] = pc;
        if (vtcrash_frame_cursor_next(&cursor) != VTCRASH_FRAME_OK) break;
    }
}

void writeThread(WriteContext& context, vtcrash_async_file* file, uint32_t number, bool crashed,
                 const vtcrash_async_thread_state* state) {
    WalkedStack stack;
    walkStack(context, state, &stack);
    packMessage(file, report::kThreads, [&](vtcrash_async_file* out) {
        size_t size = packUint32(out, thread::kNumber, number) + packBool(out, thread::kCrashed, crashed);
        if (crashed && stack.has_registers) {
            const auto count = static_cast<uint32_t>(vtcrash_async_thread_state_get_reg_count(&stack.registers));
            for (uint32_t reg = 0; reg < count; ++reg) {
                const uint64_t value = vtcrash_async_thread_state_has_reg(&stack.registers, reg)
                                           ? vtcrash_async_thread_state_get_reg(&stack.registers, reg)
                                           : 0;
                const char* name = vtcrash_async_thread_state_get_reg_name(&stack.registers, reg);
                size += packMessage(out, thread::kRegisters, [&](vtcrash_async_file* register_out) {
                    return packString(register_out, register_value::kName, name) +
                           packUint64(register_out, register_value::kValue, value);
                });
            }
        }
        for (size_t index = 0; index < stack.count; ++index) {
            size += packFrame(context, out, thread::kFrames, stack.pcs[index], !stack.exact[index]);
        }
        return size;
    });
}

// --- Sections ----------------------------------------------------------------------

void writeHeadSections(WriteContext& context, vtcrash_async_file* file) {
    const vtcrash_log_writer* writer = context.writer;
    packMessage(file, report::kReportInfo, [&](vtcrash_async_file* out) {
        return packBool(out, report_info::kUserRequested, writer->user_requested) +
               packBytes(out, report_info::kUuid, writer->report_uuid, sizeof writer->report_uuid);
    });

    const time_t now = ::time(nullptr);
    const int64_t timestamp = now == static_cast<time_t>(-1) ? 0 : static_cast<int64_t>(now);
    packMessage(file, report::kSystemInfo, [&](vtcrash_async_file* out) {
        return packEnum(out, system_info::kOperatingSystem,
                        VTCRASH__CRASH_REPORT__SYSTEM_INFO__OPERATING_SYSTEM__LINUX) +
               packString(out, system_info::kOSVersion, writer->os_version) +
               packString(out, system_info::kOSBuild, writer->os_build) +
               (writer->os_name != nullptr ? packString(out, system_info::kOSName, writer->os_name) : 0) +
               packEnum(out, system_info::kArchitecture, VTCRASH__ARCHITECTURE__ARCHITECTURE_UNKNOWN) +
               packInt64(out, system_info::kTimestamp, timestamp);
    });

    packMessage(file, report::kMachineInfo, [&](vtcrash_async_file* out) {
        size_t size = writer->model != nullptr ? packString(out, machine_info::kModel, writer->model) : 0;
        const ProcessorNumbers numbers = {VTCRASH__CRASH_REPORT__PROCESSOR__TYPE_ENCODING__TYPE_ENCODING_MACH,
                                          static_cast<uint64_t>(writer->cpu_type),
                                          static_cast<uint64_t>(writer->cpu_subtype)};
        size += packProcessor(out, machine_info::kProcessor, numbers);
        return size + packUint32(out, machine_info::kProcessorCount, writer->processor_count) +
               packUint32(out, machine_info::kLogicalProcessorCount, writer->logical_processor_count);
    });

    packMessage(file, report::kApplicationInfo, [&](vtcrash_async_file* out) {
        return packString(out, application_info::kIdentifier, writer->application_identifier) +
               packString(out, application_info::kVersion, writer->application_version) +
               packString(out, application_info::kMarketingVersion, writer->application_marketing_version);
    });

    packMessage(file, report::kProcessInfo, [&](vtcrash_async_file* out) {
        return packString(out, process_info::kName, writer->process_name) +
               packUint32(out, process_info::kId, writer->process_id) +
               packString(out, process_info::kPath, writer->process_path) +
               packString(out, process_info::kParentName, writer->parent_process_name) +
               packUint32(out, process_info::kParentId, writer->parent_process_id) +
               packBool(out, process_info::kNative, writer->native) +
               packUint64(out, process_info::kStartTime, writer->start_time);
    });
}

// A Mach-O image spans its __TEXT segment from the header on; its uuid is its UUID
// command's, and it has no build-id.
void writeMachOImage(vtcrash_async_file* file, const vtcrash_async_macho* macho) {
    packMessage(file, report::kBinaryImages, [&](vtcrash_async_file* out) {
        size_t size = packUint64(out, image::kSize, macho->text_size) +
                      packUint64(out, image::kBaseAddress, macho->header_addr) +
                      packString(out, image::kName, macho->name);
        uint8_t uuid[VTCRASH_MACHO_UUID_SIZE];
        if (vtcrash_async_macho_uuid(macho, uuid)) size += packBytes(out, image::kUuid, uuid, sizeof uuid);
        return size + packProcessor(out, image::kCodeType, processorOfMachO(macho));
    });
}

void writeElfImage(vtcrash_async_file* file, const vtcrash_async_elf* elf) {
    packMessage(file, report::kBinaryImages, [&](vtcrash_async_file* out) {
        size_t size = packUint64(out, image::kSize, elf->span_end - elf->header_addr) +
                      packUint64(out, image::kBaseAddress, elf->header_addr) + packString(out, image::kName, elf->name);
        uint8_t uuid[VTCRASH_ELF_UUID_SIZE];
        if (vtcrash_async_elf_uuid(elf, uuid)) size += packBytes(out, image::kUuid, uuid, sizeof uuid);
        size += packProcessor(out, image::kCodeType, processorOfMachine(elf->machine));
        if (elf->build_id_length != 0) size += packBytes(out, image::kBuildId, elf->build_id, elf->build_id_length);
        return size;
    });
}

void writeTailSections(WriteContext& context, vtcrash_async_file* file, const vtcrash_log_signal_info* signal_info) {
    const vtcrash_log_writer* writer = context.writer;
    const vtcrash_log_exception& uncaught = writer->uncaught_exception;
    if (uncaught.has_exception) {
        packMessage(file, report::kException, [&](vtcrash_async_file* out) {
            size_t size =
                packString(out, exception::kName, uncaught.name) + packString(out, exception::kReason, uncaught.reason);
            const size_t count = uncaught.return_address_count < VTCRASH_LOG_WRITER_MAX_FRAMES
                                     ? uncaught.return_address_count
                                     : VTCRASH_LOG_WRITER_MAX_FRAMES;
            for (size_t index = 0; index < count; ++index) {
                size += packFrame(context, out, exception::kFrames, uncaught.return_addresses[index], true);
            }
            return size;
        });
    }

    char name_buffer[VTCRASH_SIGNAL_TEXT_SIZE];
    char code_buffer[VTCRASH_SIGNAL_TEXT_SIZE];
    const char* name = vtcrash_async_signal_name_text(signal_info->signo, name_buffer);
    const char* code = vtcrash_async_signal_code_text(signal_info->signo, signal_info->code, code_buffer);
    packMessage(file, report::kSignal, [&](vtcrash_async_file* out) {
        return packString(out, signal::kName, name) + packString(out, signal::kCode, code) +
               packUint64(out, signal::kAddress, signal_info->address);
    });

    const vtcrash_log_custom_data* custom = __atomic_load_n(&writer->custom_data, __ATOMIC_ACQUIRE);
    if (custom != nullptr) packBytes(file, report::kCustomData, custom->bytes, custom->length);
}

void freeCustomData(vtcrash_log_custom_data* custom) {
    if (custom == nullptr) return;
    std::free(custom->bytes);
    std::free(custom);
}

}  // namespace

vtcrash_error_t vtcrash_log_writer_init(vtcrash_log_writer* writer, const char* application_identifier,
                                        const char* application_version, const char* application_marketing_version,
                                        uint32_t symbolication_strategy, bool user_requested) {
    // 1. A fresh state and a random (version 4) report uuid.
    std::memset(writer, 0, sizeof *writer);
    writer->symbolication_strategy = symbolication_strategy;
    writer->user_requested = user_requested;
    if (::getrandom(writer->report_uuid, sizeof writer->report_uuid, 0) !=
        static_cast<ssize_t>(sizeof writer->report_uuid)) {
        for (auto& byte : writer->report_uuid) byte = static_cast<uint8_t>(std::rand());
    }
    writer->report_uuid[6] = static_cast<uint8_t>((writer->report_uuid[6] & 0x0F) | 0x40);
    writer->report_uuid[8] = static_cast<uint8_t>((writer->report_uuid[8] & 0x3F) | 0x80);

    // 2. The application.
    writer->application_identifier = copyText(application_identifier);
    writer->application_version = copyText(application_version);
    if (application_marketing_version != nullptr) {
        writer->application_marketing_version = copyText(application_marketing_version);
    }
    const ProcessorNumbers build = processorOfMachine(kBuildMachine);
    writer->cpu_type = static_cast<int64_t>(build.type);
    writer->cpu_subtype = static_cast<int64_t>(build.subtype);
    // No process here runs translated.
    writer->native = true;

    // 3. The process and its parent.
    const auto process = vlt::VTCrashProcessInfo::currentProcessInfo();
    if (!process) return VTCRASH_ERR_INVAL;
    writer->process_id = static_cast<uint32_t>(process->processID());
    if (process->processName()) writer->process_name = copyText(*process->processName());
    writer->start_time = static_cast<uint64_t>(process->startTime().tv_sec);
    writer->process_path = copyText(process->executablePath());
    writer->parent_process_id = static_cast<uint32_t>(process->parentProcessID());
    const auto parent = vlt::VTCrashProcessInfo::forProcessID(process->parentProcessID());
    if (parent && parent->processName()) writer->parent_process_name = copyText(*parent->processName());

    // 4. The machine and the system; the kernel's version stands in for a missing
    //    distribution version.
    if (const auto host = vlt::VTCrashHostInfo::currentHostInfo()) {
        if (host->model()) writer->model = copyText(*host->model());
        writer->processor_count = host->processorCount();
        writer->logical_processor_count = host->logicalProcessorCount();
        writer->os_build = copyText(host->kernelRelease());
        if (!host->osPrettyName().empty()) writer->os_name = copyText(host->osPrettyName());
        const auto& kernel = host->kernelVersion();
        std::string version = host->osVersion();
        if (version.empty()) {
            version = std::to_string(kernel.major) + "." + std::to_string(kernel.minor);
            if (kernel.revision >= 1) version += "." + std::to_string(kernel.revision);
        }
        writer->os_version = copyText(version);
    }
    return VTCRASH_OK;
}

void vtcrash_log_writer_set_exception(vtcrash_log_writer* writer, const char* name, const char* reason,
                                      const uint64_t* return_addresses, size_t return_address_count) {
    vtcrash_log_exception& uncaught = writer->uncaught_exception;
    VLT_PRECONDITION(!uncaught.has_exception, "writer->uncaught_exception.has_exception == false");
    uncaught.has_exception = true;
    uncaught.name = copyText(name != nullptr ? name : "");
    uncaught.reason = copyText(reason != nullptr ? reason : "");
    if (return_address_count != 0) {
        uncaught.return_addresses = static_cast<uint64_t*>(std::malloc(return_address_count * sizeof(uint64_t)));
        std::memcpy(uncaught.return_addresses, return_addresses, return_address_count * sizeof(uint64_t));
        uncaught.return_address_count = return_address_count;
    }
}

void vtcrash_log_writer_set_custom_data(vtcrash_log_writer* writer, const void* data, size_t length) {
    vtcrash_log_custom_data* fresh = nullptr;
    if (data != nullptr) {
        fresh = static_cast<vtcrash_log_custom_data*>(std::malloc(sizeof *fresh));
        // One byte more, so that empty data is still held.
        fresh->bytes = static_cast<uint8_t*>(std::malloc(length + 1));
        std::memcpy(fresh->bytes, data, length);
        fresh->length = length;
    }
    freeCustomData(__atomic_exchange_n(&writer->custom_data, fresh, __ATOMIC_ACQ_REL));
}

vtcrash_error_t vtcrash_log_writer_write(vtcrash_log_writer* writer, pid_t crashed_thread,
                                         const vtcrash_async_task* task, vtcrash_async_image_list* image_list,
                                         vtcrash_async_file* file, const vtcrash_log_signal_info* signal_info,
                                         const vtcrash_async_thread_state* current_state) {
    WriteContext context = {writer, task, image_list, {}, {}, {}};
    vtcrash_frame_unwind_cache_init(&context.unwind_cache);
    const pid_t self = vtcrash_async_thread_self();

    // 1. Objects loaded since the list was last synced, then the other threads stopped.
    vtcrash_async_image_list_add_loaded_since_sync(image_list);
    const vtcrash_captured_thread* threads = nullptr;
    size_t thread_count = 0;
    const bool captured = vtcrash_async_thread_capture_begin(&threads, &thread_count) == VTCRASH_OK;
    // Without the thread list a log would have no thread at all, and no reader accepts
    // that: the threads this call knows of are written instead.
    vtcrash_captured_thread known[2];
    if (!captured) {
        thread_count = 0;
        if (current_state != nullptr) known[thread_count++] = {self, false, {}};
        if (crashed_thread != self || current_state == nullptr) known[thread_count++] = {crashed_thread, false, {}};
        threads = known;
    }

    // 2. The symbol lookups' cache, then the header and the sections that describe the
    //    process.
    vtcrash_async_symbol_cache_init(&context.symbol_cache);
    const uint8_t version = VTCRASH_LOG_FILE_VERSION;
    vtcrash_async_file_write(file, VTCRASH_LOG_FILE_MAGIC, VTCRASH_LOG_FILE_MAGIC_LENGTH);
    vtcrash_async_file_write(file, &version, sizeof version);
    writeHeadSections(context, file);

    // 3. Threads in list order, numbered as written.
    uint32_t number = 0;
    for (size_t index = 0; index < thread_count; ++index) {
        const vtcrash_captured_thread& listed = threads[index];
        const vtcrash_async_thread_state* state = listed.captured ? &listed.state : nullptr;
        if (listed.tid == self) {
            if (current_state == nullptr) continue;
            state = current_state;
        }
        writeThread(context, file, number++, listed.tid == crashed_thread, state);
    }

    // 4. Images, the exception, the signal, custom data.
    vtcrash_async_image_list_set_reading(image_list, true);
    for (vtcrash_async_image* listed = vtcrash_async_image_list_next(image_list, nullptr); listed != nullptr;
         listed = vtcrash_async_image_list_next(image_list, listed)) {
        if (listed->format == VTCRASH_IMAGE_FORMAT_MACHO) {
            writeMachOImage(file, &listed->macho);
        } else {
            writeElfImage(file, &listed->elf);
        }
    }
    vtcrash_async_image_list_set_reading(image_list, false);
    writeTailSections(context, file, signal_info);

    vtcrash_async_symbol_cache_free(&context.symbol_cache);
    if (captured) vtcrash_async_thread_capture_end();
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_log_writer_close(vtcrash_log_writer*) { return VTCRASH_OK; }

void vtcrash_log_writer_free(vtcrash_log_writer* writer) {
    for (char* text :
         {writer->os_version, writer->os_build, writer->os_name, writer->model, writer->application_identifier,
          writer->application_version, writer->application_marketing_version, writer->process_name,
          writer->process_path, writer->parent_process_name, writer->uncaught_exception.name,
          writer->uncaught_exception.reason}) {
        std::free(text);
    }
    std::free(writer->uncaught_exception.return_addresses);
    freeCustomData(writer->custom_data);
    std::memset(writer, 0, sizeof *writer);
}

vtcrash_error_t vtcrash_write_report(vtcrash_crash_context* context, pid_t crashed_thread,
                                     const vtcrash_async_thread_state* current_state,
                                     const vtcrash_log_signal_info* signal_info) {
    vtcrash_async_file file;
    if (vtcrash_async_file_create(&file, context->report_folder_fd, context->report_file_name,
                                  context->report_byte_limit) != VTCRASH_OK) {
        return VTCRASH_ERR_INTERNAL;
    }
    const vtcrash_error_t written = vtcrash_log_writer_write(&context->writer, crashed_thread, context->task,
                                                             context->image_list, &file, signal_info, current_state);
    if (vtcrash_log_writer_close(&context->writer) != VTCRASH_OK) {
        vtcrash_async_file_close(&file);
        return VTCRASH_ERR_INTERNAL;
    }
    if (!vtcrash_async_file_flush(&file) || !vtcrash_async_file_close(&file)) return VTCRASH_ERR_INTERNAL;
    return written;
}
