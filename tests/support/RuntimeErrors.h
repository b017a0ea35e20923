#pragma once

// What a call raises, caught so that a test can compare it.

#include "RuntimeError.h"

#include <optional>

// The run-time error a call raises, if any.
template<typename Call> std::optional<MainBas::RuntimeError> ErrorOf(Call &&call)
{
    try {
        call();
    } catch (const MainBas::RuntimeError &error) {
        return error;
    }
    return std::nullopt;
}

// Its number; 0 when the call raised none.
template<typename Call> int ErrorNumberOf(Call &&call)
{
    const auto error = ErrorOf(call);
    return error ? static_cast<int>(error->number()) : 0;
}
