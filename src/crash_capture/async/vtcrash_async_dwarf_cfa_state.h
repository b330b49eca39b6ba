#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_dwarf_encoding.h"
#include "crash_capture/async/vtcrash_async_dwarf_frame.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/async/vtcrash_async_thread_state.h"
#include "crash_capture/async/vtcrash_error.h"

// How a register of the caller is found, once the CFA (the canonical frame address) is
// known. A register without a rule is undefined.
typedef enum {
    // Saved at CFA + N.
    VTCRASH_DWARF_CFA_REG_RULE_OFFSET = 0,
    // Its value is CFA + N.
    VTCRASH_DWARF_CFA_REG_RULE_VAL_OFFSET = 1,
    // Its value is that of register R.
    VTCRASH_DWARF_CFA_REG_RULE_REGISTER = 2,
    // Saved at the address the expression yields.
    VTCRASH_DWARF_CFA_REG_RULE_EXPRESSION = 3,
    // Its value is what the expression yields.
    VTCRASH_DWARF_CFA_REG_RULE_VAL_EXPRESSION = 4,
    VTCRASH_DWARF_CFA_REG_RULE_SAME_VALUE = 5,
} vtcrash_dwarf_cfa_reg_rule_t;

typedef enum {
    VTCRASH_DWARF_CFA_RULE_UNDEFINED = 0,
    VTCRASH_DWARF_CFA_RULE_EXPRESSION = 1,
    VTCRASH_DWARF_CFA_RULE_REGISTER = 2,
    VTCRASH_DWARF_CFA_RULE_REGISTER_SIGNED = 3,
} vtcrash_dwarf_cfa_rule_type_t;

// The table is fixed: it lives in the unwinder's frame at crash time.
constexpr size_t VTCRASH_DWARF_CFA_STATE_MAX_REGS = 100;
constexpr size_t VTCRASH_DWARF_CFA_STATE_BUCKETS = 14;
constexpr size_t VTCRASH_DWARF_CFA_STATE_MAX_LEVELS = 6;
constexpr uint8_t VTCRASH_DWARF_CFA_STATE_NO_ENTRY = 255;

template <typename W>
struct dwarf_cfa_rule {
    vtcrash_dwarf_cfa_rule_type_t type;
    // The register forms: CFA = register + offset (read as signed for the signed form).
    uint32_t reg;
    W offset;
    // The expression form: the task address and length of the expression bytes.
    uint64_t expression_address;
    uint64_t expression_length;
};

template <typename W>
class dwarf_cfa_state_iterator;

// The rule table of the call frame instructions for an image with words W: a CFA rule
// and register rules per level, the levels stacked by remember_state. The register
// rules of all levels share one pool of entries, hashed by register number.
template <typename W>
class dwarf_cfa_state {
public:
    dwarf_cfa_state();

    // Sets the register's rule in the current level; false when the pool is exhausted.
    bool set_register(uint32_t regnum, vtcrash_dwarf_cfa_reg_rule_t rule, W value);
    bool get_register_rule(uint32_t regnum, vtcrash_dwarf_cfa_reg_rule_t* rule, W* value) const;
    void remove_register(uint32_t regnum);
    uint8_t get_register_count() const;

    void set_cfa_register(uint32_t regnum, W offset);
    void set_cfa_register_signed(uint32_t regnum, W offset);
    void set_cfa_expression(uint64_t address, uint64_t length);
    dwarf_cfa_rule<W> get_cfa_rule() const;

    // A new level starting as a copy of the current one; false at the sixth level or
    // when the pool cannot hold the copy (the table is then as before).
    bool push_state();
    // Back to the level below, whose rules are as before the push; the dropped level's
    // entries return to the pool. False at the first level.
    bool pop_state();

    // Runs `length` bytes of call frame instructions at address + offset (inside `mobj`)
    // from location `initial_pc_value`, stopping at the first row past `pc` (0: run all).
    vtcrash_error_t eval_program(const vtcrash_async_mobject* mobj, W pc, W initial_pc_value,
                                 const vtcrash_async_dwarf_cie_info* cie_info, const gnu_ehptr_reader<W>* ptr_reader,
                                 const vtcrash_async_byteorder* byteorder, uint64_t address, int64_t offset,
                                 uint64_t length);

    // The caller's registers: `thread_state` less its volatile registers, with the stack
    // pointer at the CFA and every rule applied. Expressions are read from `mobj`, the
    // window the rules came from; saved values from task memory.
    vtcrash_error_t apply_state(const vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                const vtcrash_async_dwarf_cie_info* cie_info,
                                const vtcrash_async_thread_state* thread_state,
                                const vtcrash_async_byteorder* byteorder,
                                vtcrash_async_thread_state* new_thread_state) const;

private:
    friend class dwarf_cfa_state_iterator<W>;

    struct entry {
        W value;
        uint32_t regnum;
        uint8_t rule;
        uint8_t next;
    };

    uint8_t take_entry();
    void give_back_level(size_t level);

    dwarf_cfa_rule<W> cfa_value_[VTCRASH_DWARF_CFA_STATE_MAX_LEVELS];
    uint8_t register_count_[VTCRASH_DWARF_CFA_STATE_MAX_LEVELS];
    uint8_t register_table_[VTCRASH_DWARF_CFA_STATE_MAX_LEVELS][VTCRASH_DWARF_CFA_STATE_BUCKETS];
    uint8_t table_depth_;
    uint8_t free_list_;
    entry entries_[VTCRASH_DWARF_CFA_STATE_MAX_REGS];
};

// The register rules of the current level, bucket by bucket.
template <typename W>
class dwarf_cfa_state_iterator {
public:
    explicit dwarf_cfa_state_iterator(const dwarf_cfa_state<W>* state) : state_(state) {}
    bool next(uint32_t* regnum, vtcrash_dwarf_cfa_reg_rule_t* rule, W* value);

private:
    const dwarf_cfa_state<W>* state_;
    size_t bucket_ = 0;
    uint8_t entry_ = VTCRASH_DWARF_CFA_STATE_NO_ENTRY;
};

extern template class dwarf_cfa_state<uint32_t>;
extern template class dwarf_cfa_state<uint64_t>;
extern template class dwarf_cfa_state_iterator<uint32_t>;
extern template class dwarf_cfa_state_iterator<uint64_t>;
