#pragma once

#include <cstddef>
#include <string>

namespace tessaly {

// Overwrites memory with zeros in a way the compiler may not drop as a dead
// store: for buffers that held a password, just before they are let go.
void SecureWipe(void* data, std::size_t size);

// Wipes a string's characters (not its length): for the temporary copies of a
// password made on the way to its hash.
template <class Char>
void SecureWipe(std::basic_string<Char>& text) {
    SecureWipe(text.data(), text.size() * sizeof(Char));
}

}  // namespace tessaly
