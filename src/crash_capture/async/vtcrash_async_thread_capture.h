#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "crash_capture/async/vtcrash_error.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"

// The registers of every other thread of the process, for a crash log. Nothing can
// stop a thread from outside here, so each thread is asked to stop itself: a real-time
// signal reserved for this is sent to it with tgkill, and its handler copies the
// interrupted registers into a slot reserved beforehand and waits on a futex until the
// writer releases it. Its stack stays as it was while it waits. A thread that does not
// answer in time (it blocks the signal, or cannot run) is listed without registers.

// Threads beyond this many are left out of the list.
constexpr size_t VTCRASH_THREAD_CAPTURE_MAX_THREADS = 1024;
// How long the writer waits for the threads to answer.
constexpr uint64_t VTCRASH_THREAD_CAPTURE_DEADLINE_NS = 250'000'000;

struct vtcrash_captured_thread {
    // The kernel's thread id.
    pid_t tid;
    // Whether `state` holds the registers where the thread was stopped.
    bool captured;
    vtcrash_async_thread_state state;
};

// Opens the process's thread folder and installs the handler of a free real-time
// signal, once per process; later calls give the first call's result. Not crash time.
vtcrash_error_t vtcrash_async_thread_capture_prepare();
// The reserved signal; 0 before a successful prepare.
int vtcrash_async_thread_capture_signal();

// Lists the threads, the main thread first and the others by id, and stops every one
// but the calling thread (which is listed, not captured). `out_threads` points at
// process-wide slots that stay valid until the end. One capture runs at a time: another
// one is waited for up to the deadline, then VTCRASH_ERR_ACCESS. VTCRASH_ERR_NOTSUP
// before prepare, VTCRASH_ERR_INTERNAL when the thread folder cannot be read.
vtcrash_error_t vtcrash_async_thread_capture_begin(const vtcrash_captured_thread** out_threads, size_t* out_count);
// Lets the stopped threads run again.
void vtcrash_async_thread_capture_end();
