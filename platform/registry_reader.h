#pragma once

#include "platform/result.h"

#include <string>

namespace tessaly {

enum class RegistryRoot {
    LocalMachine,
    CurrentUser,
};

// Reads one text value of the registry as UTF-8. Only string values count:
// REG_SZ as stored, REG_EXPAND_SZ with its environment variables expanded;
// any other type is a failure, as are a missing key or value, refused access,
// a value of more than 1023 UTF-16 units and one that is not well-formed
// text.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    virtual HResult ReadValue(RegistryRoot root, const std::string& subkey,
                              const std::string& valueName, std::string* text) = 0;
};

}  // namespace tessaly
