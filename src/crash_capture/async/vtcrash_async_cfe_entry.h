#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_macho_cpu_type.h"
#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"
#include "crash_capture/async/vtcrash_error.h"

// One function's compact unwind encoding, decoded: how its frame was built, so that a
// frame inside it can be stepped to its caller without call frame information. Crash
// time: no allocation, no lock.

typedef enum {
    // The caller's frame pointer and return address lie at the frame pointer.
    VTCRASH_CFE_TYPE_FRAME_POINTER = 1,
    // No frame pointer; the stack size is in the encoding.
    VTCRASH_CFE_TYPE_FRAMELESS_IMMEDIATE = 2,
    // No frame pointer; the stack size is an immediate inside the function's code.
    VTCRASH_CFE_TYPE_FRAMELESS_INDIRECT = 3,
    // Only call frame information describes the function; stack_offset is its FDE's offset.
    VTCRASH_CFE_TYPE_DWARF = 4,
    // Nothing is known of the function.
    VTCRASH_CFE_TYPE_NONE = 5,
} vtcrash_async_cfe_type_t;

// An empty slot of the saved-register list, or no return address register.
constexpr uint32_t VTCRASH_CFE_REG_NONE = 0x7fffffff;
constexpr size_t VTCRASH_CFE_SAVED_REGISTERS_MAX = 10;
// The frameless x86 encodings save at most six registers, named 1 to 6 in the encoding.
constexpr uint32_t VTCRASH_CFE_PERMUTATION_REGISTERS_MAX = 6;

struct vtcrash_async_cfe_entry {
    vtcrash_async_cfe_type_t type;
    uint32_t cpu_type;
    // Frame pointer: from the frame pointer to the saved registers (negative).
    // Frameless immediate: the stack size. Frameless indirect: where the stack-size
    // immediate lies inside the function. DWARF: the FDE's offset in the frame section.
    int64_t stack_offset;
    // Frameless indirect: bytes added to the immediate.
    uint32_t stack_adjust;
    // The thread-state register that holds the return address (arm64's lr), or
    // VTCRASH_CFE_REG_NONE when the return address is on the stack.
    uint32_t return_address_register;
    uint32_t register_count;
    // Thread-state register numbers in stack order, lowest address first.
    uint32_t register_list[VTCRASH_CFE_SAVED_REGISTERS_MAX];
};

// The ELF machine number of the thread states that entries of a Mach-O CPU type apply
// to: those of i386, x86_64 and arm64 have encodings; 0 for any other.
uint32_t vtcrash_async_cfe_cpu_type_machine(uint32_t cpu_type);

// Decodes `encoding` of an image of `cpu_type`. An unknown CPU type or mode gives
// VTCRASH_ERR_NOTSUP; a register number or permutation that names no register
// VTCRASH_ERR_INVAL.
vtcrash_error_t vtcrash_async_cfe_entry_init(vtcrash_async_cfe_entry* entry, uint32_t cpu_type, uint32_t encoding);
void vtcrash_async_cfe_entry_free(vtcrash_async_cfe_entry* entry);

vtcrash_async_cfe_type_t vtcrash_async_cfe_entry_type(const vtcrash_async_cfe_entry* entry);
int64_t vtcrash_async_cfe_entry_stack_offset(const vtcrash_async_cfe_entry* entry);
uint32_t vtcrash_async_cfe_entry_stack_adjust(const vtcrash_async_cfe_entry* entry);
uint32_t vtcrash_async_cfe_entry_return_address_register(const vtcrash_async_cfe_entry* entry);
uint32_t vtcrash_async_cfe_entry_register_count(const vtcrash_async_cfe_entry* entry);
// Copies the register_count entries of the saved-register list.
void vtcrash_async_cfe_entry_register_list(const vtcrash_async_cfe_entry* entry, uint32_t* out_registers);

// The caller's registers of the frame in `thread_state`, whose function starts at
// `function_address`. The state must be of the entry's machine (else VTCRASH_ERR_INVAL).
// A register the entry needs and the state lacks gives VTCRASH_ERR_NOTFOUND, an address
// sum that wraps VTCRASH_ERR_INVAL, the DWARF and none types VTCRASH_ERR_NOTSUP; a
// failed read of the stack or code returns its error.
vtcrash_error_t vtcrash_async_cfe_entry_apply(const vtcrash_async_task* task, uint64_t function_address,
                                              const vtcrash_async_thread_state* thread_state,
                                              const vtcrash_async_cfe_entry* entry,
                                              vtcrash_async_thread_state* new_thread_state);

// The frameless register permutation: `count` distinct encoding register numbers (1 to 6)
// in a 10-bit value. Encoding expects such a list; a count above six gives 0.
uint32_t vtcrash_async_cfe_register_encode(const uint32_t* registers, uint32_t count);
// VTCRASH_ERR_INVAL for a count above six or a value that no list of `count` gives.
vtcrash_error_t vtcrash_async_cfe_register_decode(uint32_t permutation, uint32_t count, uint32_t* out_registers);
