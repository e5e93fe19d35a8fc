#pragma once

#include "platform/registry_reader.h"

namespace tessaly::win32 {

// Reads string values with RegGetValueW into a buffer of 1024 UTF-16 units.
class Win32RegistryReader : public RegistryReader {
public:
    HResult ReadValue(RegistryRoot root, const std::string& subkey, const std::string& valueName,
                      std::string* text) override;
};

}  // namespace tessaly::win32
