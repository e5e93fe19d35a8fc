#pragma once

#include <string>

namespace tessaly {

enum class RegistryRoot {
    LocalMachine,
    CurrentUser,
};

// Reads one text value of the registry as UTF-8. Only string values count:
// REG_SZ as stored, REG_EXPAND_SZ with its environment variables expanded;
// any other type is a failure, as are a missing key or value, refused access,
// a value that does not fit the buffer and one that is not well-formed text.
// Implementations close the key on every path.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual bool ReadValue(RegistryRoot root, const std::string& subkey,
                           const std::string& valueName, std::string* text) = 0;
};

// The value data buffer of a lookup in UTF-16 units, the terminator included:
// values of up to 1023 characters are read.
constexpr unsigned kRegistryValueBufferSize = 1024;

}  // namespace tessaly
