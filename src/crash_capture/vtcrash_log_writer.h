#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "crash_capture/async/vtcrash_async_file.h"
#include "crash_capture/async/vtcrash_async_image_list.h"
#include "crash_capture/async/vtcrash_error.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"

// Writes one crash log from inside a process that may be crashing. Everything that
// needs allocation or files is gathered beforehand into a writer state; at crash time
// the writer stops the other threads, walks their stacks, reads the image list and
// streams the log's fields through the async file, measuring every nested message with
// a dry run of the same encoder instead of building it in memory.

// The most frames written for one thread or one exception.
constexpr size_t VTCRASH_LOG_WRITER_MAX_FRAMES = 512;

struct vtcrash_log_exception {
    bool has_exception;
    char* name;
    char* reason;
    uint64_t* return_addresses;
    size_t return_address_count;
};

// Bytes a report carries as they are.
struct vtcrash_log_custom_data {
    size_t length;
    uint8_t* bytes;
};

// Every text of the state is its own NUL-terminated copy; null when absent.
struct vtcrash_log_writer {
    // Symbol sources for the frames (VTCRASH_SYMBOL_STRATEGY_*); 0 writes no symbols.
    uint32_t symbolication_strategy;
    // True for a report of a running process, false for a crash.
    bool user_requested;
    uint8_t report_uuid[16];
    // The distribution's version, and the kernel release as the build; the distribution's
    // name as it presents itself, null when unknown.
    char* os_version;
    char* os_build;
    char* os_name;
    char* model;
    // Processor numbers in the crash log's (Mach) numbering.
    int64_t cpu_type;
    int64_t cpu_subtype;
    uint32_t processor_count;
    uint32_t logical_processor_count;
    char* application_identifier;
    char* application_version;
    char* application_marketing_version;
    char* process_name;
    uint32_t process_id;
    char* process_path;
    uint64_t start_time;
    char* parent_process_name;
    uint32_t parent_process_id;
    bool native;
    vtcrash_log_exception uncaught_exception;
    // Replaced whole, so that a crash reads one copy or the other, never half of each.
    vtcrash_log_custom_data* custom_data;
};

// What the writer is told about the crash.
struct vtcrash_log_signal_info {
    int32_t signo;
    int32_t code;
    uint64_t address;
};

// Fills the state: a new report uuid, the application's facts (the marketing version
// may be null), and the facts of the process, the machine and the system.
// VTCRASH_ERR_INVAL when the process cannot be described; what was filled stays.
vtcrash_error_t vtcrash_log_writer_init(vtcrash_log_writer* writer, const char* application_identifier,
                                        const char* application_version, const char* application_marketing_version,
                                        uint32_t symbolication_strategy, bool user_requested);

// Records the uncaught exception the log carries; at most once per state.
void vtcrash_log_writer_set_exception(vtcrash_log_writer* writer, const char* name, const char* reason,
                                      const uint64_t* return_addresses, size_t return_address_count);
// Replaces the custom data; null forgets it. Also while capture is enabled: a crash on
// another thread stops this one first, so it writes the copy that this call has not yet
// freed or the one that replaced it.
void vtcrash_log_writer_set_custom_data(vtcrash_log_writer* writer, const void* data, size_t length);

// Crash time. Writes the whole log: every thread of the process in id order, the main
// thread first, with `crashed_thread` marked; the calling thread's frames start at
// `current_state` and it is left out when that is null. A thread that cannot be
// stopped or walked is written with its number and mark only. Failed writes do not stop
// the writer; they show when the caller flushes and closes the file.
vtcrash_error_t vtcrash_log_writer_write(vtcrash_log_writer* writer, pid_t crashed_thread,
                                         const vtcrash_async_task* task, vtcrash_async_image_list* image_list,
                                         vtcrash_async_file* file, const vtcrash_log_signal_info* signal_info,
                                         const vtcrash_async_thread_state* current_state);

// Nothing to do; kept so that every writer is closed the same way.
vtcrash_error_t vtcrash_log_writer_close(vtcrash_log_writer* writer);
void vtcrash_log_writer_free(vtcrash_log_writer* writer);

// What the crash-time paths need, filled when capture is enabled.
struct vtcrash_crash_context {
    vtcrash_log_writer writer;
    // The pending report: its folder, open for the whole run, and its name there.
    int report_folder_fd;
    const char* report_file_name;
    // 0: no limit.
    uint64_t report_byte_limit;
    const vtcrash_async_task* task;
    vtcrash_async_image_list* image_list;
};

// Crash time: writes the log into the context's report file, created afresh (a link there
// is replaced, never followed). VTCRASH_ERR_INTERNAL when it cannot be created, flushed or
// closed.
vtcrash_error_t vtcrash_write_report(vtcrash_crash_context* context, pid_t crashed_thread,
                                     const vtcrash_async_thread_state* current_state,
                                     const vtcrash_log_signal_info* signal_info);
