#include "crash_capture/async/vtcrash_async_dwarf_expression.h"

#include <type_traits>

#include "crash_capture/async/vtcrash_async_dwarf_opstream.h"

namespace {

enum : uint8_t {
    DW_OP_deref = 0x06,
    DW_OP_const1u = 0x08,
    DW_OP_const1s = 0x09,
    DW_OP_const2u = 0x0a,
    DW_OP_const2s = 0x0b,
    DW_OP_const4u = 0x0c,
    DW_OP_const4s = 0x0d,
    DW_OP_const8u = 0x0e,
    DW_OP_const8s = 0x0f,
    DW_OP_constu = 0x10,
    DW_OP_consts = 0x11,
    DW_OP_dup = 0x12,
    DW_OP_drop = 0x13,
    DW_OP_over = 0x14,
    DW_OP_pick = 0x15,
    DW_OP_swap = 0x16,
    DW_OP_rot = 0x17,
    DW_OP_xderef = 0x18,
    DW_OP_abs = 0x19,
    DW_OP_and = 0x1a,
    DW_OP_div = 0x1b,
    DW_OP_minus = 0x1c,
    DW_OP_mod = 0x1d,
    DW_OP_mul = 0x1e,
    DW_OP_neg = 0x1f,
    DW_OP_not = 0x20,
    DW_OP_or = 0x21,
    DW_OP_plus = 0x22,
    DW_OP_plus_uconst = 0x23,
    DW_OP_shl = 0x24,
    DW_OP_shr = 0x25,
    DW_OP_shra = 0x26,
    DW_OP_xor = 0x27,
    DW_OP_bra = 0x28,
    DW_OP_eq = 0x29,
    DW_OP_ge = 0x2a,
    DW_OP_gt = 0x2b,
    DW_OP_le = 0x2c,
    DW_OP_lt = 0x2d,
    DW_OP_ne = 0x2e,
    DW_OP_skip = 0x2f,
    DW_OP_lit0 = 0x30,
    DW_OP_lit31 = 0x4f,
    DW_OP_breg0 = 0x70,
    DW_OP_breg31 = 0x8f,
    DW_OP_bregx = 0x92,
    DW_OP_deref_size = 0x94,
    DW_OP_xderef_size = 0x95,
    DW_OP_nop = 0x96,
};

template <typename W>
class ExpressionStack {
public:
    bool push(W value) {
        if (count_ == VTCRASH_DWARF_EXPRESSION_STACK_SIZE) return false;
        values_[count_++] = value;
        return true;
    }
    bool pop(W* value) {
        if (count_ == 0) return false;
        *value = values_[--count_];
        return true;
    }
    // The entry `depth` places below the top (0 is the top), or null.
    W* from_top(size_t depth) { return depth < count_ ? &values_[count_ - 1 - depth] : nullptr; }

private:
    W values_[VTCRASH_DWARF_EXPRESSION_STACK_SIZE];
    size_t count_ = 0;
};

// A zero-extended value of `size` bytes read from the task.
template <typename W>
vtcrash_error_t readSized(const vtcrash_async_task* task, const vtcrash_async_byteorder* order, W address, uint8_t size,
                          W* out) {
    vtcrash_error_t result = VTCRASH_ERR_INVAL;
    if (size == 1) {
        uint8_t value = 0;
        result = vtcrash_async_task_read_uint8(task, address, 0, &value);
        *out = value;
    } else if (size == 2) {
        uint16_t value = 0;
        result = vtcrash_async_task_read_uint16(task, order, address, 0, &value);
        *out = value;
    } else if (size == 4) {
        uint32_t value = 0;
        result = vtcrash_async_task_read_uint32(task, order, address, 0, &value);
        *out = value;
    } else if (size == 8 && sizeof(W) == 8) {
        uint64_t value = 0;
        result = vtcrash_async_task_read_uint64(task, order, address, 0, &value);
        *out = static_cast<W>(value);
    }
    return result;
}

// The binary operators: `second` is the entry below the top, `first` the top.
template <typename W>
bool applyBinary(uint8_t op, W second, W first, W* out) {
    using S = std::make_signed_t<W>;
    constexpr W kBits = sizeof(W) * 8;
    const S signed_second = static_cast<S>(second);
    const S signed_first = static_cast<S>(first);
    switch (op) {
    case DW_OP_and:
        *out = second & first;
        return true;
    case DW_OP_div:
        if (first == 0) return false;
        // The one quotient that does not fit wraps, as the hardware word would.
        *out = signed_first == -1 ? static_cast<W>(W{0} - second) : static_cast<W>(signed_second / signed_first);
        return true;
    case DW_OP_minus:
        *out = static_cast<W>(second - first);
        return true;
    case DW_OP_mod:
        if (first == 0) return false;
        *out = second % first;
        return true;
    case DW_OP_mul:
        *out = static_cast<W>(second * first);
        return true;
    case DW_OP_or:
        *out = second | first;
        return true;
    case DW_OP_plus:
        *out = static_cast<W>(second + first);
        return true;
    case DW_OP_shl:
        *out = static_cast<W>(second << (first % kBits));
        return true;
    case DW_OP_shr:
        *out = static_cast<W>(second >> (first % kBits));
        return true;
    case DW_OP_shra:
        *out = static_cast<W>(signed_second >> (first % kBits));
        return true;
    case DW_OP_xor:
        *out = second ^ first;
        return true;
    case DW_OP_eq:
        *out = signed_second == signed_first;
        return true;
    case DW_OP_ge:
        *out = signed_second >= signed_first;
        return true;
    case DW_OP_gt:
        *out = signed_second > signed_first;
        return true;
    case DW_OP_le:
        *out = signed_second <= signed_first;
        return true;
    case DW_OP_lt:
        *out = signed_second < signed_first;
        return true;
    case DW_OP_ne:
        *out = signed_second != signed_first;
        return true;
    default:
        return false;
    }
}

bool isBinary(uint8_t op) {
    return (op >= DW_OP_and && op <= DW_OP_mul) || (op >= DW_OP_or && op <= DW_OP_plus) ||
           (op >= DW_OP_shl && op <= DW_OP_xor) || (op >= DW_OP_eq && op <= DW_OP_ne);
}

// Evaluation state shared by the operators.
template <typename W>
struct Evaluation {
    const vtcrash_async_task* task;
    const vtcrash_async_thread_state* thread_state;
    const vtcrash_async_byteorder* byteorder;
    dwarf_opstream stream;
    ExpressionStack<W> stack;
};

// A constant operand of the stream, widened with or without its sign.
template <typename W, typename S>
vtcrash_error_t pushOperand(Evaluation<W>& eval) {
    using U = std::make_unsigned_t<S>;
    U raw = 0;
    bool read = false;
    if constexpr (sizeof(U) == 1) read = eval.stream.read_uint8(&raw);
    if constexpr (sizeof(U) == 2) read = eval.stream.read_uint16(&raw);
    if constexpr (sizeof(U) == 4) read = eval.stream.read_uint32(&raw);
    if constexpr (sizeof(U) == 8) read = eval.stream.read_uint64(&raw);
    if (!read) return VTCRASH_ERR_INVAL;
    return eval.stack.push(static_cast<W>(static_cast<S>(raw))) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
}

template <typename W>
vtcrash_error_t pushRegister(Evaluation<W>& eval, uint64_t dwarf) {
    uint32_t reg = 0;
    int64_t offset = 0;
    if (!eval.stream.read_sleb128(&offset)) return VTCRASH_ERR_INVAL;
    if (!vtcrash_async_thread_state_map_dwarf_to_reg(eval.thread_state, dwarf, &reg)) return VTCRASH_ERR_NOTSUP;
    if (!vtcrash_async_thread_state_has_reg(eval.thread_state, reg)) return VTCRASH_ERR_NOTFOUND;
    const W value = static_cast<W>(vtcrash_async_thread_state_get_reg(eval.thread_state, reg));
    return eval.stack.push(static_cast<W>(value + static_cast<W>(offset))) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
}

// Replaces the address on top (below it, for the x forms, the address space, dropped)
// with the value of `size` bytes there.
template <typename W>
vtcrash_error_t dereference(Evaluation<W>& eval, uint8_t size, bool with_address_space) {
    W address = 0;
    W address_space = 0;
    if (!eval.stack.pop(&address)) return VTCRASH_ERR_INVAL;
    if (with_address_space && !eval.stack.pop(&address_space)) return VTCRASH_ERR_INVAL;
    W value = 0;
    const vtcrash_error_t result = readSized(eval.task, eval.byteorder, address, size, &value);
    if (result != VTCRASH_OK) return result;
    return eval.stack.push(value) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
}

template <typename W>
vtcrash_error_t dereferenceSized(Evaluation<W>& eval, bool with_address_space) {
    uint8_t size = 0;
    if (!eval.stream.read_uint8(&size)) return VTCRASH_ERR_INVAL;
    if (size != 1 && size != 2 && size != 4 && !(size == 8 && sizeof(W) == 8)) return VTCRASH_ERR_INVAL;
    return dereference(eval, size, with_address_space);
}

template <typename W>
vtcrash_error_t stackOperator(Evaluation<W>& eval, uint8_t op) {
    ExpressionStack<W>& stack = eval.stack;
    W* top = stack.from_top(0);
    W* below = stack.from_top(1);
    switch (op) {
    case DW_OP_dup:
        return top != nullptr && stack.push(*top) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    case DW_OP_drop: {
        W dropped = 0;
        return stack.pop(&dropped) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    }
    case DW_OP_over:
        return below != nullptr && stack.push(*below) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    case DW_OP_pick: {
        uint8_t index = 0;
        if (!eval.stream.read_uint8(&index)) return VTCRASH_ERR_INVAL;
        W* picked = stack.from_top(index);
        return picked != nullptr && stack.push(*picked) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
    }
    case DW_OP_swap: {
        if (below == nullptr) return VTCRASH_ERR_INVAL;
        const W kept = *top;
        *top = *below;
        *below = kept;
        return VTCRASH_OK;
    }
    case DW_OP_rot: {
        // The top moves to third place; the second and third move up.
        W* third = stack.from_top(2);
        if (third == nullptr) return VTCRASH_ERR_INVAL;
        const W kept = *top;
        *top = *below;
        *below = *third;
        *third = kept;
        return VTCRASH_OK;
    }
    default:
        return VTCRASH_ERR_NOTSUP;
    }
}

template <typename W>
vtcrash_error_t unaryOperator(Evaluation<W>& eval, uint8_t op) {
    using S = std::make_signed_t<W>;
    W value = 0;
    if (!eval.stack.pop(&value)) return VTCRASH_ERR_INTERNAL;
    switch (op) {
    case DW_OP_abs:
        value = static_cast<S>(value) < 0 ? static_cast<W>(W{0} - value) : value;
        break;
    case DW_OP_neg:
        value = static_cast<W>(W{0} - value);
        break;
    case DW_OP_not:
        value = static_cast<W>(~value);
        break;
    case DW_OP_plus_uconst: {
        uint64_t addend = 0;
        if (!eval.stream.read_uleb128(&addend)) return VTCRASH_ERR_INVAL;
        value = static_cast<W>(value + static_cast<W>(addend));
        break;
    }
    default:
        return VTCRASH_ERR_NOTSUP;
    }
    return eval.stack.push(value) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
}

template <typename W>
vtcrash_error_t branch(Evaluation<W>& eval, uint8_t op) {
    uint16_t raw = 0;
    if (!eval.stream.read_uint16(&raw)) return VTCRASH_ERR_INVAL;
    if (op == DW_OP_bra) {
        W condition = 0;
        if (!eval.stack.pop(&condition)) return VTCRASH_ERR_INTERNAL;
        if (condition == 0) return VTCRASH_OK;
    }
    return eval.stream.seek_relative(static_cast<int16_t>(raw)) ? VTCRASH_OK : VTCRASH_ERR_INVAL;
}

template <typename W>
vtcrash_error_t step(Evaluation<W>& eval, uint8_t op) {
    if (op >= DW_OP_lit0 && op <= DW_OP_lit31) {
        return eval.stack.push(static_cast<W>(op - DW_OP_lit0)) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
    }
    if (op >= DW_OP_breg0 && op <= DW_OP_breg31) return pushRegister(eval, op - DW_OP_breg0);
    if (isBinary(op)) {
        W first = 0;
        W second = 0;
        if (!eval.stack.pop(&first) || !eval.stack.pop(&second)) return VTCRASH_ERR_INTERNAL;
        W result = 0;
        if (!applyBinary(op, second, first, &result)) return VTCRASH_ERR_INVAL;
        return eval.stack.push(result) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
    }
    switch (op) {
    case DW_OP_deref:
        return dereference(eval, sizeof(W), false);
    case DW_OP_xderef:
        return dereference(eval, sizeof(W), true);
    case DW_OP_deref_size:
        return dereferenceSized(eval, false);
    case DW_OP_xderef_size:
        return dereferenceSized(eval, true);
    case DW_OP_const1u:
        return pushOperand<W, uint8_t>(eval);
    case DW_OP_const1s:
        return pushOperand<W, int8_t>(eval);
    case DW_OP_const2u:
        return pushOperand<W, uint16_t>(eval);
    case DW_OP_const2s:
        return pushOperand<W, int16_t>(eval);
    case DW_OP_const4u:
        return pushOperand<W, uint32_t>(eval);
    case DW_OP_const4s:
        return pushOperand<W, int32_t>(eval);
    case DW_OP_const8u:
        return pushOperand<W, uint64_t>(eval);
    case DW_OP_const8s:
        return pushOperand<W, int64_t>(eval);
    case DW_OP_constu: {
        uint64_t value = 0;
        if (!eval.stream.read_uleb128(&value)) return VTCRASH_ERR_INVAL;
        return eval.stack.push(static_cast<W>(value)) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
    }
    case DW_OP_consts: {
        int64_t value = 0;
        if (!eval.stream.read_sleb128(&value)) return VTCRASH_ERR_INVAL;
        return eval.stack.push(static_cast<W>(value)) ? VTCRASH_OK : VTCRASH_ERR_INTERNAL;
    }
    case DW_OP_dup:
    case DW_OP_drop:
    case DW_OP_over:
    case DW_OP_pick:
    case DW_OP_swap:
    case DW_OP_rot:
        return stackOperator(eval, op);
    case DW_OP_abs:
    case DW_OP_neg:
    case DW_OP_not:
    case DW_OP_plus_uconst:
        return unaryOperator(eval, op);
    case DW_OP_bra:
    case DW_OP_skip:
        return branch(eval, op);
    case DW_OP_bregx: {
        uint64_t dwarf = 0;
        if (!eval.stream.read_uleb128(&dwarf)) return VTCRASH_ERR_INVAL;
        return pushRegister(eval, dwarf);
    }
    case DW_OP_nop:
        return VTCRASH_OK;
    default:
        return VTCRASH_ERR_NOTSUP;
    }
}

}  // namespace

template <typename W>
vtcrash_error_t vtcrash_async_dwarf_expression_eval(const vtcrash_async_mobject* mobj, const vtcrash_async_task* task,
                                                    const vtcrash_async_thread_state* thread_state,
                                                    const vtcrash_async_byteorder* byteorder, uint64_t address,
                                                    int64_t offset, uint64_t length, const W* initial_stack,
                                                    size_t initial_count, W* out_result) {
    Evaluation<W> eval{task, thread_state, byteorder, {}, {}};
    const vtcrash_error_t opened = eval.stream.init(mobj, byteorder, address, offset, length);
    if (opened != VTCRASH_OK) return opened;
    if (initial_count > VTCRASH_DWARF_EXPRESSION_STACK_SIZE) return VTCRASH_ERR_INTERNAL;
    for (size_t i = 0; i < initial_count; ++i) eval.stack.push(initial_stack[i]);

    for (size_t steps = 0; !eval.stream.at_end(); ++steps) {
        if (steps == VTCRASH_DWARF_EXPRESSION_MAX_STEPS) return VTCRASH_ERR_INVAL;
        uint8_t op = 0;
        eval.stream.read_uint8(&op);
        const vtcrash_error_t result = step(eval, op);
        if (result != VTCRASH_OK) return result;
    }

    W result = 0;
    if (!eval.stack.pop(&result)) return VTCRASH_ERR_INVAL;
    *out_result = result;
    return VTCRASH_OK;
}

template vtcrash_error_t vtcrash_async_dwarf_expression_eval<uint32_t>(
    const vtcrash_async_mobject*, const vtcrash_async_task*, const vtcrash_async_thread_state*,
    const vtcrash_async_byteorder*, uint64_t, int64_t, uint64_t, const uint32_t*, size_t, uint32_t*);
template vtcrash_error_t vtcrash_async_dwarf_expression_eval<uint64_t>(
    const vtcrash_async_mobject*, const vtcrash_async_task*, const vtcrash_async_thread_state*,
    const vtcrash_async_byteorder*, uint64_t, int64_t, uint64_t, const uint64_t*, size_t, uint64_t*);
