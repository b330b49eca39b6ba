#include "crash_capture/async/vtcrash_async_dwarf_cfa_state.h"

#include <type_traits>

#include "crash_capture/async/vtcrash_async_dwarf_expression.h"
#include "crash_capture/async/vtcrash_async_dwarf_opstream.h"

namespace {

enum : uint8_t {
    DW_CFA_nop = 0x00,
    DW_CFA_set_loc = 0x01,
    DW_CFA_advance_loc1 = 0x02,
    DW_CFA_advance_loc2 = 0x03,
    DW_CFA_advance_loc4 = 0x04,
    DW_CFA_offset_extended = 0x05,
    DW_CFA_restore_extended = 0x06,
    DW_CFA_undefined = 0x07,
    DW_CFA_same_value = 0x08,
    DW_CFA_register = 0x09,
    DW_CFA_remember_state = 0x0a,
    DW_CFA_restore_state = 0x0b,
    DW_CFA_def_cfa = 0x0c,
    DW_CFA_def_cfa_register = 0x0d,
    DW_CFA_def_cfa_offset = 0x0e,
    DW_CFA_def_cfa_expression = 0x0f,
    DW_CFA_expression = 0x10,
    DW_CFA_offset_extended_sf = 0x11,
    DW_CFA_def_cfa_sf = 0x12,
    DW_CFA_def_cfa_offset_sf = 0x13,
    DW_CFA_val_offset = 0x14,
    DW_CFA_val_offset_sf = 0x15,
    DW_CFA_val_expression = 0x16,
    // Extensions the system's compilers emit: the first toggles arm64 return-address
    // signing (the signature is masked off anyway), the second tells landing pads the
    // size of pushed arguments. Neither changes a rule.
    DW_CFA_AARCH64_negate_ra_state = 0x2d,
    DW_CFA_GNU_args_size = 0x2e,
    // The top two bits of these carry the opcode, the low six an operand.
    DW_CFA_advance_loc = 0x40,
    DW_CFA_offset = 0x80,
    DW_CFA_restore = 0xc0,
};

constexpr uint8_t kPrimaryMask = 0xc0;
constexpr uint8_t kOperandMask = 0x3f;
constexpr uint64_t kMaxRegister = 0xffffffff;

// The running program: its stream, location and the rules that restore goes back to.
template <typename W>
struct Program {
    dwarf_cfa_state<W>* state;
    const dwarf_cfa_state<W>* initial;
    const vtcrash_async_mobject* mobj;
    const vtcrash_async_dwarf_cie_info* cie;
    const gnu_ehptr_reader<W>* ptr_reader;
    dwarf_opstream stream;
    W location;
};

template <typename W>
vtcrash_error_t readRegister(Program<W>& program, uint32_t* regnum) {
    uint64_t value = 0;
    if (!program.stream.read_uleb128(&value)) return VTCRASH_ERR_INVAL;
    if (value > kMaxRegister) return VTCRASH_ERR_NOTSUP;
    *regnum = static_cast<uint32_t>(value);
    return VTCRASH_OK;
}

// An operand times the data alignment factor, in the image's word.
template <typename W>
bool readFactored(Program<W>& program, bool is_signed, W* out) {
    uint64_t magnitude = 0;
    if (is_signed) {
        int64_t value = 0;
        if (!program.stream.read_sleb128(&value)) return false;
        magnitude = static_cast<uint64_t>(value);
    } else if (!program.stream.read_uleb128(&magnitude)) {
        return false;
    }
    *out = static_cast<W>(magnitude * static_cast<uint64_t>(program.cie->data_alignment_factor));
    return true;
}

template <typename W>
vtcrash_error_t setRule(Program<W>& program, uint32_t regnum, vtcrash_dwarf_cfa_reg_rule_t rule, W value) {
    return program.state->set_register(regnum, rule, value) ? VTCRASH_OK : VTCRASH_ERR_NOMEM;
}

// A register with a factored offset operand: offset, val_offset and their forms.
template <typename W>
vtcrash_error_t offsetRule(Program<W>& program, uint32_t regnum, bool is_signed, vtcrash_dwarf_cfa_reg_rule_t rule) {
    W offset = 0;
    if (!readFactored(program, is_signed, &offset)) return VTCRASH_ERR_INVAL;
    return setRule(program, regnum, rule, offset);
}

template <typename W>
vtcrash_error_t restore(Program<W>& program, uint32_t regnum) {
    vtcrash_dwarf_cfa_reg_rule_t rule;
    W value = 0;
    if (program.initial->get_register_rule(regnum, &rule, &value)) return setRule(program, regnum, rule, value);
    program.state->remove_register(regnum);
    return VTCRASH_OK;
}

template <typename W>
vtcrash_error_t advance(Program<W>& program, uint64_t delta) {
    program.location = static_cast<W>(program.location + delta * program.cie->code_alignment_factor);
    return VTCRASH_OK;
}

template <typename W>
bool cfaHasRegister(const Program<W>& program) {
    const vtcrash_dwarf_cfa_rule_type_t type = program.state->get_cfa_rule().type;
    return type == VTCRASH_DWARF_CFA_RULE_REGISTER || type == VTCRASH_DWARF_CFA_RULE_REGISTER_SIGNED;
}

template <typename W>
vtcrash_error_t primary(Program<W>& program, uint8_t op) {
    const uint8_t operand = op & kOperandMask;
    switch (op & kPrimaryMask) {
    case DW_CFA_advance_loc:
        return advance(program, operand);
    case DW_CFA_offset:
        return offsetRule(program, operand, false, VTCRASH_DWARF_CFA_REG_RULE_OFFSET);
    default:
        return restore(program, operand);
    }
}

template <typename W>
vtcrash_error_t setLocation(Program<W>& program) {
    if (program.cie->segment_size != 0) return VTCRASH_ERR_NOTSUP;
    const uint8_t encoding = program.cie->has_eh_augmentation && program.cie->has_pointer_encoding
                                 ? program.cie->pointer_encoding
                                 : uint8_t{DW_EH_PE_absptr};
    W location = 0;
    uint64_t size = 0;
    const vtcrash_error_t result =
        program.ptr_reader->read(program.mobj, program.stream.task_address(), 0, encoding, &location, &size);
    if (result != VTCRASH_OK) return result;
    if (!program.stream.skip(size)) return VTCRASH_ERR_INVAL;
    program.location = location;
    return VTCRASH_OK;
}

template <typename W>
vtcrash_error_t advanceFixed(Program<W>& program, uint8_t op) {
    uint8_t delta1 = 0;
    uint16_t delta2 = 0;
    uint32_t delta4 = 0;
    if (op == DW_CFA_advance_loc1)
        return program.stream.read_uint8(&delta1) ? advance(program, delta1) : VTCRASH_ERR_INVAL;
    if (op == DW_CFA_advance_loc2)
        return program.stream.read_uint16(&delta2) ? advance(program, delta2) : VTCRASH_ERR_INVAL;
    return program.stream.read_uint32(&delta4) ? advance(program, delta4) : VTCRASH_ERR_INVAL;
}

// def_cfa and its forms.
template <typename W>
vtcrash_error_t defineCfa(Program<W>& program, uint8_t op) {
    dwarf_cfa_state<W>& state = *program.state;
    const dwarf_cfa_rule<W> current = state.get_cfa_rule();
    uint32_t regnum = 0;
    uint64_t unsigned_offset = 0;
    W offset = 0;
    vtcrash_error_t result = VTCRASH_OK;
    switch (op) {
    case DW_CFA_def_cfa:
        if ((result = readRegister(program, &regnum)) != VTCRASH_OK) return result;
        if (!program.stream.read_uleb128(&unsigned_offset)) return VTCRASH_ERR_INVAL;
        state.set_cfa_register(regnum, static_cast<W>(unsigned_offset));
        return VTCRASH_OK;
    case DW_CFA_def_cfa_sf:
        if ((result = readRegister(program, &regnum)) != VTCRASH_OK) return result;
        if (!readFactored(program, true, &offset)) return VTCRASH_ERR_INVAL;
        state.set_cfa_register_signed(regnum, offset);
        return VTCRASH_OK;
    case DW_CFA_def_cfa_register:
        if ((result = readRegister(program, &regnum)) != VTCRASH_OK) return result;
        if (!cfaHasRegister(program)) return VTCRASH_ERR_INVAL;
        if (current.type == VTCRASH_DWARF_CFA_RULE_REGISTER_SIGNED) {
            state.set_cfa_register_signed(regnum, current.offset);
        } else {
            state.set_cfa_register(regnum, current.offset);
        }
        return VTCRASH_OK;
    case DW_CFA_def_cfa_offset:
        if (!program.stream.read_uleb128(&unsigned_offset)) return VTCRASH_ERR_INVAL;
        if (!cfaHasRegister(program)) return VTCRASH_ERR_INVAL;
        state.set_cfa_register(current.reg, static_cast<W>(unsigned_offset));
        return VTCRASH_OK;
    case DW_CFA_def_cfa_offset_sf:
        if (!readFactored(program, true, &offset)) return VTCRASH_ERR_INVAL;
        if (!cfaHasRegister(program)) return VTCRASH_ERR_INVAL;
        state.set_cfa_register_signed(current.reg, offset);
        return VTCRASH_OK;
    default: {
        // def_cfa_expression: the expression stays in place; only its address is kept.
        uint64_t length = 0;
        if (!program.stream.read_uleb128(&length)) return VTCRASH_ERR_INVAL;
        state.set_cfa_expression(program.stream.task_address(), length);
        return program.stream.skip(length) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    }
    }
}

// expression and val_expression: the rule keeps the address of the length-prefixed block.
template <typename W>
vtcrash_error_t expressionRule(Program<W>& program, vtcrash_dwarf_cfa_reg_rule_t rule) {
    uint32_t regnum = 0;
    const vtcrash_error_t result = readRegister(program, &regnum);
    if (result != VTCRASH_OK) return result;
    const uint64_t block = program.stream.task_address();
    uint64_t length = 0;
    if (!program.stream.read_uleb128(&length) || !program.stream.skip(length)) return VTCRASH_ERR_INVAL;
    return setRule(program, regnum, rule, static_cast<W>(block));
}

template <typename W>
vtcrash_error_t instruction(Program<W>& program, uint8_t op) {
    if ((op & kPrimaryMask) != 0) return primary(program, op);
    uint32_t regnum = 0;
    uint32_t other = 0;
    vtcrash_error_t result = VTCRASH_OK;
    switch (op) {
    case DW_CFA_nop:
    case DW_CFA_AARCH64_negate_ra_state:
        return VTCRASH_OK;
    case DW_CFA_GNU_args_size: {
        uint64_t ignored = 0;
        return program.stream.read_uleb128(&ignored) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    }
    case DW_CFA_set_loc:
        return setLocation(program);
    case DW_CFA_advance_loc1:
    case DW_CFA_advance_loc2:
    case DW_CFA_advance_loc4:
        return advanceFixed(program, op);
    case DW_CFA_remember_state:
        return program.state->push_state() ? VTCRASH_OK : VTCRASH_ERR_NOMEM;
    case DW_CFA_restore_state:
        return program.state->pop_state() ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    case DW_CFA_def_cfa:
    case DW_CFA_def_cfa_register:
    case DW_CFA_def_cfa_offset:
    case DW_CFA_def_cfa_expression:
    case DW_CFA_def_cfa_sf:
    case DW_CFA_def_cfa_offset_sf:
        return defineCfa(program, op);
    case DW_CFA_expression:
        return expressionRule(program, VTCRASH_DWARF_CFA_REG_RULE_EXPRESSION);
    case DW_CFA_val_expression:
        return expressionRule(program, VTCRASH_DWARF_CFA_REG_RULE_VAL_EXPRESSION);
    default:
        break;
    }
    if (op > DW_CFA_val_expression) return VTCRASH_ERR_NOTSUP;

    // The rest name a register first.
    if ((result = readRegister(program, &regnum)) != VTCRASH_OK) return result;
    switch (op) {
    case DW_CFA_offset_extended:
        return offsetRule(program, regnum, false, VTCRASH_DWARF_CFA_REG_RULE_OFFSET);
    case DW_CFA_offset_extended_sf:
        return offsetRule(program, regnum, true, VTCRASH_DWARF_CFA_REG_RULE_OFFSET);
    case DW_CFA_val_offset:
        return offsetRule(program, regnum, false, VTCRASH_DWARF_CFA_REG_RULE_VAL_OFFSET);
    case DW_CFA_val_offset_sf:
        return offsetRule(program, regnum, true, VTCRASH_DWARF_CFA_REG_RULE_VAL_OFFSET);
    case DW_CFA_restore_extended:
        return restore(program, regnum);
    case DW_CFA_undefined:
        program.state->remove_register(regnum);
        return VTCRASH_OK;
    case DW_CFA_same_value:
        return setRule(program, regnum, VTCRASH_DWARF_CFA_REG_RULE_SAME_VALUE, W{0});
    default:
        // DW_CFA_register.
        if ((result = readRegister(program, &other)) != VTCRASH_OK) return result;
        return setRule(program, regnum, VTCRASH_DWARF_CFA_REG_RULE_REGISTER, static_cast<W>(other));
    }
}

template <typename W>
vtcrash_error_t readWord(const vtcrash_async_task* task, const vtcrash_async_byteorder* order, W address, W* out) {
    if constexpr (sizeof(W) == 8) {
        return vtcrash_async_task_read_uint64(task, order, address, 0, out);
    } else {
        return vtcrash_async_task_read_uint32(task, order, address, 0, out);
    }
}

}  // namespace

template <typename W>
dwarf_cfa_state<W>::dwarf_cfa_state() : table_depth_(0), free_list_(0) {
    for (size_t level = 0; level < VTCRASH_DWARF_CFA_STATE_MAX_LEVELS; ++level) {
        cfa_value_[level] = {VTCRASH_DWARF_CFA_RULE_UNDEFINED, 0, 0, 0, 0};
        register_count_[level] = 0;
        for (uint8_t& head : register_table_[level]) head = VTCRASH_DWARF_CFA_STATE_NO_ENTRY;
    }
    for (size_t i = 0; i < VTCRASH_DWARF_CFA_STATE_MAX_REGS; ++i) {
        entries_[i] = {
            0, 0, 0,
            i + 1 < VTCRASH_DWARF_CFA_STATE_MAX_REGS ? static_cast<uint8_t>(i + 1) : VTCRASH_DWARF_CFA_STATE_NO_ENTRY};
    }
}

template <typename W>
uint8_t dwarf_cfa_state<W>::take_entry() {
    const uint8_t index = free_list_;
    if (index != VTCRASH_DWARF_CFA_STATE_NO_ENTRY) free_list_ = entries_[index].next;
    return index;
}

template <typename W>
void dwarf_cfa_state<W>::give_back_level(size_t level) {
    for (uint8_t& head : register_table_[level]) {
        while (head != VTCRASH_DWARF_CFA_STATE_NO_ENTRY) {
            const uint8_t index = head;
            head = entries_[index].next;
            entries_[index].next = free_list_;
            free_list_ = index;
        }
    }
    register_count_[level] = 0;
}

template <typename W>
bool dwarf_cfa_state<W>::set_register(uint32_t regnum, vtcrash_dwarf_cfa_reg_rule_t rule, W value) {
    uint8_t& head = register_table_[table_depth_][regnum % VTCRASH_DWARF_CFA_STATE_BUCKETS];
    for (uint8_t index = head; index != VTCRASH_DWARF_CFA_STATE_NO_ENTRY; index = entries_[index].next) {
        if (entries_[index].regnum == regnum) {
            entries_[index].rule = static_cast<uint8_t>(rule);
            entries_[index].value = value;
            return true;
        }
    }
    const uint8_t index = take_entry();
    if (index == VTCRASH_DWARF_CFA_STATE_NO_ENTRY) return false;
    entries_[index] = {value, regnum, static_cast<uint8_t>(rule), head};
    head = index;
    ++register_count_[table_depth_];
    return true;
}

template <typename W>
bool dwarf_cfa_state<W>::get_register_rule(uint32_t regnum, vtcrash_dwarf_cfa_reg_rule_t* rule, W* value) const {
    const uint8_t head = register_table_[table_depth_][regnum % VTCRASH_DWARF_CFA_STATE_BUCKETS];
    for (uint8_t index = head; index != VTCRASH_DWARF_CFA_STATE_NO_ENTRY; index = entries_[index].next) {
        if (entries_[index].regnum == regnum) {
            *rule = static_cast<vtcrash_dwarf_cfa_reg_rule_t>(entries_[index].rule);
            *value = entries_[index].value;
            return true;
        }
    }
    return false;
}

template <typename W>
void dwarf_cfa_state<W>::remove_register(uint32_t regnum) {
    uint8_t* link = &register_table_[table_depth_][regnum % VTCRASH_DWARF_CFA_STATE_BUCKETS];
    while (*link != VTCRASH_DWARF_CFA_STATE_NO_ENTRY) {
        const uint8_t index = *link;
        if (entries_[index].regnum == regnum) {
            *link = entries_[index].next;
            entries_[index].next = free_list_;
            free_list_ = index;
            --register_count_[table_depth_];
            return;
        }
        link = &entries_[index].next;
    }
}

template <typename W>
uint8_t dwarf_cfa_state<W>::get_register_count() const {
    return register_count_[table_depth_];
}

template <typename W>
void dwarf_cfa_state<W>::set_cfa_register(uint32_t regnum, W offset) {
    cfa_value_[table_depth_] = {VTCRASH_DWARF_CFA_RULE_REGISTER, regnum, offset, 0, 0};
}

template <typename W>
void dwarf_cfa_state<W>::set_cfa_register_signed(uint32_t regnum, W offset) {
    cfa_value_[table_depth_] = {VTCRASH_DWARF_CFA_RULE_REGISTER_SIGNED, regnum, offset, 0, 0};
}

template <typename W>
void dwarf_cfa_state<W>::set_cfa_expression(uint64_t address, uint64_t length) {
    cfa_value_[table_depth_] = {VTCRASH_DWARF_CFA_RULE_EXPRESSION, 0, 0, address, length};
}

template <typename W>
dwarf_cfa_rule<W> dwarf_cfa_state<W>::get_cfa_rule() const {
    return cfa_value_[table_depth_];
}

template <typename W>
bool dwarf_cfa_state<W>::push_state() {
    const size_t below = table_depth_;
    const size_t level = below + 1;
    if (level >= VTCRASH_DWARF_CFA_STATE_MAX_LEVELS) return false;
    cfa_value_[level] = cfa_value_[below];
    register_count_[level] = 0;
    for (size_t bucket = 0; bucket < VTCRASH_DWARF_CFA_STATE_BUCKETS; ++bucket) {
        uint8_t& head = register_table_[level][bucket];
        head = VTCRASH_DWARF_CFA_STATE_NO_ENTRY;
        for (uint8_t source = register_table_[below][bucket]; source != VTCRASH_DWARF_CFA_STATE_NO_ENTRY;
             source = entries_[source].next) {
            const uint8_t copy = take_entry();
            if (copy == VTCRASH_DWARF_CFA_STATE_NO_ENTRY) {
                give_back_level(level);
                return false;
            }
            entries_[copy] = entries_[source];
            entries_[copy].next = head;
            head = copy;
            ++register_count_[level];
        }
    }
    table_depth_ = static_cast<uint8_t>(level);
    return true;
}

template <typename W>
bool dwarf_cfa_state<W>::pop_state() {
    if (table_depth_ == 0) return false;
    // Giving the level's entries back keeps code with many remember/restore pairs
    // within the pool.
    give_back_level(table_depth_);
    --table_depth_;
    return true;
}

template <typename W>
vtcrash_error_t dwarf_cfa_state<W>::eval_program(const vtcrash_async_mobject* mobj, W pc, W initial_pc_value,
                                                 const vtcrash_async_dwarf_cie_info* cie_info,
                                                 const gnu_ehptr_reader<W>* ptr_reader,
                                                 const vtcrash_async_byteorder* byteorder, uint64_t address,
                                                 int64_t offset, uint64_t length) {
    // 1. The rules restore goes back to: those in force when the program starts.
    dwarf_cfa_state<W> initial;
    dwarf_cfa_state_iterator<W> rules(this);
    uint32_t regnum = 0;
    vtcrash_dwarf_cfa_reg_rule_t rule;
    W value = 0;
    while (rules.next(&regnum, &rule, &value)) {
        if (!initial.set_register(regnum, rule, value)) return VTCRASH_ERR_NOMEM;
    }

    // 2. Rows past pc are never applied.
    Program<W> program{this, &initial, mobj, cie_info, ptr_reader, {}, initial_pc_value};
    const vtcrash_error_t opened = program.stream.init(mobj, byteorder, address, offset, length);
    if (opened != VTCRASH_OK) return opened;
    if (pc != 0 && program.location > pc) return VTCRASH_OK;

    // 3. One instruction at a time.
    while (!program.stream.at_end()) {
        uint8_t op = 0;
        program.stream.read_uint8(&op);
        const vtcrash_error_t result = instruction(program, op);
        if (result != VTCRASH_OK) return result;
        if (pc != 0 && program.location > pc) return VTCRASH_OK;
    }
    return VTCRASH_OK;
}

template <typename W>
vtcrash_error_t dwarf_cfa_state<W>::apply_state(const vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                                const vtcrash_async_dwarf_cie_info* cie_info,
                                                const vtcrash_async_thread_state* thread_state,
                                                const vtcrash_async_byteorder* byteorder,
                                                vtcrash_async_thread_state* new_thread_state) const {
    // 1. What survives the call.
    vtcrash_async_thread_state_copy(new_thread_state, thread_state);
    vtcrash_async_thread_state_clear_volatile_regs(new_thread_state);

    // 2. The CFA, which is also the caller's stack pointer.
    const dwarf_cfa_rule<W>& cfa_rule = cfa_value_[table_depth_];
    W cfa = 0;
    uint32_t reg = 0;
    vtcrash_error_t result = VTCRASH_OK;
    switch (cfa_rule.type) {
    case VTCRASH_DWARF_CFA_RULE_REGISTER:
    case VTCRASH_DWARF_CFA_RULE_REGISTER_SIGNED:
        if (!vtcrash_async_thread_state_map_dwarf_to_reg(thread_state, cfa_rule.reg, &reg)) return VTCRASH_ERR_NOTSUP;
        if (!vtcrash_async_thread_state_has_reg(thread_state, reg)) return VTCRASH_ERR_NOTFOUND;
        cfa = static_cast<W>(vtcrash_async_thread_state_get_reg(thread_state, reg) + cfa_rule.offset);
        break;
    case VTCRASH_DWARF_CFA_RULE_EXPRESSION:
        result =
            vtcrash_async_dwarf_expression_eval<W>(mobj, task, thread_state, byteorder, cfa_rule.expression_address, 0,
                                                   cfa_rule.expression_length, nullptr, 0, &cfa);
        if (result != VTCRASH_OK) return result;
        break;
    default:
        return VTCRASH_ERR_INVAL;
    }
    vtcrash_async_thread_state_set_reg(new_thread_state, VTCRASH_REG_SP, cfa);

    // 3. Every register rule.
    dwarf_cfa_state_iterator<W> rules(this);
    uint32_t regnum = 0;
    vtcrash_dwarf_cfa_reg_rule_t rule;
    W operand = 0;
    while (rules.next(&regnum, &rule, &operand)) {
        const bool is_return_address = regnum == cie_info->return_address_register;
        uint32_t target = 0;
        if (!vtcrash_async_thread_state_map_dwarf_to_reg(thread_state, regnum, &target)) {
            // A register this state does not track (a vector register that a call
            // preserves) needs no value; skipping it keeps the frame.
            if (!is_return_address) continue;
            target = VTCRASH_REG_IP;
        }
        W value = 0;
        switch (rule) {
        case VTCRASH_DWARF_CFA_REG_RULE_OFFSET:
            result = readWord(task, byteorder, static_cast<W>(cfa + operand), &value);
            break;
        case VTCRASH_DWARF_CFA_REG_RULE_VAL_OFFSET:
            value = static_cast<W>(cfa + operand);
            break;
        case VTCRASH_DWARF_CFA_REG_RULE_REGISTER:
            if (!vtcrash_async_thread_state_map_dwarf_to_reg(thread_state, operand, &reg)) return VTCRASH_ERR_INVAL;
            if (!vtcrash_async_thread_state_has_reg(thread_state, reg)) return VTCRASH_ERR_NOTFOUND;
            value = static_cast<W>(vtcrash_async_thread_state_get_reg(thread_state, reg));
            break;
        case VTCRASH_DWARF_CFA_REG_RULE_EXPRESSION:
        case VTCRASH_DWARF_CFA_REG_RULE_VAL_EXPRESSION: {
            uint64_t length = 0;
            uint64_t size = 0;
            if (vtcrash_async_mobject_read_uleb128(mobj, operand, 0, &length, &size) != VTCRASH_OK) {
                return VTCRASH_ERR_INVAL;
            }
            result = vtcrash_async_dwarf_expression_eval<W>(mobj, task, thread_state, byteorder, operand,
                                                            static_cast<int64_t>(size), length, &cfa, 1, &value);
            if (result == VTCRASH_OK && rule == VTCRASH_DWARF_CFA_REG_RULE_EXPRESSION) {
                result = readWord(task, byteorder, value, &value);
            }
            break;
        }
        default:
            if (!vtcrash_async_thread_state_has_reg(thread_state, target)) return VTCRASH_ERR_NOTFOUND;
            value = static_cast<W>(vtcrash_async_thread_state_get_reg(thread_state, target));
            break;
        }
        if (result != VTCRASH_OK) return result;
        vtcrash_async_thread_state_set_reg(new_thread_state, target, value);
        // 4. Where the return address has a register of its own (arm64 lr), it is also
        // the caller's instruction pointer.
        if (is_return_address && target != VTCRASH_REG_IP) {
            vtcrash_async_thread_state_set_reg(new_thread_state, VTCRASH_REG_IP, value);
        }
    }

    // 5. A leaf keeps its return address in the register.
    if (!vtcrash_async_thread_state_has_reg(new_thread_state, VTCRASH_REG_IP)) {
        if (!vtcrash_async_thread_state_map_dwarf_to_reg(thread_state, cie_info->return_address_register, &reg) ||
            !vtcrash_async_thread_state_has_reg(thread_state, reg)) {
            return VTCRASH_ERR_INVAL;
        }
        vtcrash_async_thread_state_set_reg(new_thread_state, VTCRASH_REG_IP,
                                           vtcrash_async_thread_state_get_reg(thread_state, reg));
    }
    return VTCRASH_OK;
}

template <typename W>
bool dwarf_cfa_state_iterator<W>::next(uint32_t* regnum, vtcrash_dwarf_cfa_reg_rule_t* rule, W* value) {
    const size_t depth = state_->table_depth_;
    while (entry_ == VTCRASH_DWARF_CFA_STATE_NO_ENTRY) {
        if (bucket_ == VTCRASH_DWARF_CFA_STATE_BUCKETS) return false;
        entry_ = state_->register_table_[depth][bucket_++];
    }
    const auto& found = state_->entries_[entry_];
    *regnum = found.regnum;
    *rule = static_cast<vtcrash_dwarf_cfa_reg_rule_t>(found.rule);
    *value = found.value;
    entry_ = found.next;
    return true;
}

template class dwarf_cfa_state<uint32_t>;
template class dwarf_cfa_state<uint64_t>;
template class dwarf_cfa_state_iterator<uint32_t>;
template class dwarf_cfa_state_iterator<uint64_t>;
