#pragma once

#include <cstdint>

namespace tessaly {

// What every adapter that can fail returns: an HRESULT, kept as a plain
// integer so portable code can carry it.
using HResult = std::int32_t;

constexpr HResult kOk = 0;

// SUCCEEDED(): S_FALSE counts as success (the shell link returns it for a
// target that does not exist yet), so never compare with S_OK.
constexpr bool Succeeded(HResult hr) {
    return hr >= 0;
}
constexpr bool Failed(HResult hr) {
    return hr < 0;
}

}  // namespace tessaly
