#pragma once

#include "platform/registry_reader.h"

namespace tessaly::win32 {

// Reads values with RegOpenKeyExA / RegQueryValueExA into a 1024-byte buffer.
class Win32RegistryReader : public RegistryReader {
public:
    bool ReadValue(RegistryRoot root, const std::string& subkey, const std::string& valueName,
                   std::string* text) override;
};

}  // namespace tessaly::win32
