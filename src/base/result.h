#pragma once

#include <type_traits>
#include <utility>
#include <variant>

#include "base/error.h"
#include "base/precondition.h"

namespace vlt {

// Either a value or the failure that prevented it. Failures travel as values, so
// no exception ever crosses the event loop.
template <typename T, typename E = ErrorPtr>
class [[nodiscard]] Result {
public:
    Result(T value) : storage_(std::in_place_index<0>, std::move(value)) {}  // NOLINT(implicit)
    Result(E error) : storage_(std::in_place_index<1>, std::move(error)) {}  // NOLINT(implicit)

    bool ok() const { return storage_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & {
        VLT_PRECONDITION(ok(), "value() of a failed result");
        return std::get<0>(storage_);
    }
    const T& value() const& {
        VLT_PRECONDITION(ok(), "value() of a failed result");
        return std::get<0>(storage_);
    }
    T&& value() && {
        VLT_PRECONDITION(ok(), "value() of a failed result");
        return std::get<0>(std::move(storage_));
    }

    const E& error() const {
        VLT_PRECONDITION(!ok(), "error() of a successful result");
        return std::get<1>(storage_);
    }

private:
    std::variant<T, E> storage_;
};

// Success without a value, or a failure.
template <typename E>
class [[nodiscard]] Result<void, E> {
public:
    Result() = default;
    Result(E error) : error_(std::move(error)), failed_(true) {}  // NOLINT(implicit)

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const E& error() const {
        VLT_PRECONDITION(failed_, "error() of a successful result");
        return error_;
    }

private:
    E error_{};
    bool failed_ = false;
};

using VoidResult = Result<void, ErrorPtr>;

}  // namespace vlt
