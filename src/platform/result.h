#pragma once

#include <QString>

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace trivolo {

// Why an operation failed, in words for a log line or a message box.
struct Failure {
    QString reason;
};

// The one way an operation that may fail says so: its value, or the reason it has none.
// `return value;` succeeds, `return Failure{reason};` fails; Result<> carries no value.
// Ignoring a result is a compile error, as a failure must be handled or passed on.
template <typename T = std::monostate>
class [[nodiscard]] Result {
public:
    Result() requires std::is_same_v<T, std::monostate> : value_(T{}) { }
    Result(T value)  // NOLINT(google-explicit-constructor): `return value;` reads as success
        : value_(std::move(value))
    {
    }
    Result(Failure failure)  // NOLINT(google-explicit-constructor): `return Failure{...};`
        : reason_(std::move(failure.reason))
    {
    }

    bool ok() const { return value_.has_value(); }
    const T& value() const
    {
        Q_ASSERT(ok());
        return *value_;
    }
    // The value, or `fallback` when the operation failed.
    T value_or(T fallback) const { return value_.value_or(std::move(fallback)); }
    const QString& reason() const { return reason_; }

private:
    std::optional<T> value_;
    QString reason_;
};

}  // namespace trivolo
