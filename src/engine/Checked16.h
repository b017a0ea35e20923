#pragma once

#include "RuntimeError.h"

#include <cstdint>

namespace MainBas {

// 16-bit signed arithmetic that raises the overflow error instead of wrapping.

inline std::int16_t ToInt16(std::int32_t value)
{
    if (value < INT16_MIN || value > INT16_MAX) [[unlikely]]
        throw RuntimeError(Overflow);
    return static_cast<std::int16_t>(value);
}

inline std::int16_t Add16(std::int16_t a, std::int16_t b)
{
    return ToInt16(std::int32_t {a} + b);
}

inline std::int16_t Sub16(std::int16_t a, std::int16_t b)
{
    return ToInt16(std::int32_t {a} - b);
}

} // namespace MainBas
