#pragma once

#include <QtGlobal>

#include <concepts>
#include <stdexcept>
#include <string>

namespace vaz {

// Thrown when a value does not fit a 16-bit field or an index lies outside an
// array. The operation that started the work catches it and tells the user.
class RangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A signed 16-bit whole number that refuses values it cannot hold instead of
// wrapping. Fractions must be rounded explicitly (see toInt16).
class Int16 {
public:
    constexpr Int16() noexcept = default;

    template <std::integral T>
    constexpr Int16(T v) : v_(check(static_cast<long long>(v)))
    {}  // NOLINT: implicit on purpose

    template <std::floating_point T>
    Int16(T) = delete;

    constexpr operator qint16() const noexcept { return v_; }  // NOLINT
    constexpr qint16 value() const noexcept { return v_; }

private:
    static constexpr qint16 check(long long v)
    {
        if (v < -32768 || v > 32767)
            throw RangeError("the value " + std::to_string(v) + " does not fit a 16-bit field");
        return static_cast<qint16>(v);
    }

    qint16 v_ = 0;
};

}  // namespace vaz
