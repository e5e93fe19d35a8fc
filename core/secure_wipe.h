#pragma once

#include <cstddef>

namespace tessaly {

// Overwrites memory with zeros in a way the compiler may not drop as a dead
// store: for buffers that held a secret, just before they are let go.
void SecureWipe(void* data, std::size_t size);

}  // namespace tessaly
