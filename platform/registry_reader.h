#pragma once

#include <string>

namespace tessaly {

enum class RegistryRoot {
    LocalMachine,
    CurrentUser,
};

// Reads one value of the registry as text. Implementations close the key on
// every path; a missing key, a missing value, refused access and a value that
// does not fit the 1024-byte buffer are all one failure (false).
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual bool ReadValue(RegistryRoot root, const std::string& subkey,
                           const std::string& valueName, std::string* text) = 0;
};

// The value data buffer of a lookup, including the terminator.
constexpr unsigned kRegistryValueBufferSize = 1024;

}  // namespace tessaly
