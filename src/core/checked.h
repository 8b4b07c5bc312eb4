#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/errors.h"

namespace core {

// A fixed-width whole number whose arithmetic raises an overflow error instead
// of wrapping. All operations are computed in 64 bits and then range-checked,
// which is exact for the 8-, 16- and 32-bit widths used here.
template <typename T>
class Checked {
    static_assert(sizeof(T) <= 4, "computed in 64 bits");

public:
    using value_type = T;

    constexpr Checked() = default;

    // Any whole number that fits; anything else is an overflow.
    template <typename U>
    static constexpr Checked of(U v) {
        const auto wide = static_cast<long long>(v);
        if constexpr (std::is_signed_v<U> || sizeof(U) < sizeof(long long)) {
            if (wide < static_cast<long long>(std::numeric_limits<T>::min()) ||
                wide > static_cast<long long>(std::numeric_limits<T>::max())) {
                throw RuntimeError(RuntimeError::Kind::Overflow);
            }
        } else {
            if (v > static_cast<U>(std::numeric_limits<T>::max())) {
                throw RuntimeError(RuntimeError::Kind::Overflow);
            }
        }
        Checked c;
        c.v_ = static_cast<T>(wide);
        return c;
    }

    constexpr T value() const { return v_; }
    constexpr long long wide() const { return v_; }

    template <typename U>
    constexpr Checked<U> as() const {
        return Checked<U>::of(v_);
    }

    friend constexpr Checked operator+(Checked a, Checked b) { return of(a.wide() + b.wide()); }
    friend constexpr Checked operator-(Checked a, Checked b) { return of(a.wide() - b.wide()); }
    friend constexpr Checked operator*(Checked a, Checked b) { return of(a.wide() * b.wide()); }
    Checked& operator+=(Checked b) { return *this = *this + b; }
    Checked& operator-=(Checked b) { return *this = *this - b; }

    friend constexpr bool operator==(Checked a, Checked b) = default;
    friend constexpr auto operator<=>(Checked a, Checked b) = default;

private:
    T v_{};
};

using Byte = Checked<std::uint8_t>;
using Int16 = Checked<std::int16_t>;
using Int32 = Checked<std::int32_t>;

}  // namespace core
