#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"
#include "crash_capture/async/vtcrash_error.h"

// The expression stack's depth; it lives in the evaluator's own frame.
constexpr size_t VTCRASH_DWARF_EXPRESSION_STACK_SIZE = 100;
// Operations one evaluation may run: a corrupt backward branch must not hang the
// crash path.
constexpr size_t VTCRASH_DWARF_EXPRESSION_MAX_STEPS = 10000;

// Evaluates the DWARF expression of `length` bytes at address + offset (inside `mobj`)
// for an image whose words are W, starting from the given values, and stores the top of
// the stack. Registers come from `thread_state`, memory through checked task reads.
template <typename W>
vtcrash_error_t vtcrash_async_dwarf_expression_eval(const vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                                    const vtcrash_async_thread_state* thread_state,
                                                    const vtcrash_async_byteorder* byteorder, uint64_t address,
                                                    int64_t offset, uint64_t length, const W* initial_stack,
                                                    size_t initial_count, W* out_result);

extern template vtcrash_error_t vtcrash_async_dwarf_expression_eval<uint32_t>(
    const vtcrash_async_mobject*, const vtcrash_async_task*, const vtcrash_async_thread_state*,
    const vtcrash_async_byteorder*, uint64_t, int64_t, uint64_t, const uint32_t*, size_t, uint32_t*);
extern template vtcrash_error_t vtcrash_async_dwarf_expression_eval<uint64_t>(
    const vtcrash_async_mobject*, const vtcrash_async_task*, const vtcrash_async_thread_state*,
    const vtcrash_async_byteorder*, uint64_t, int64_t, uint64_t, const uint64_t*, size_t, uint64_t*);
