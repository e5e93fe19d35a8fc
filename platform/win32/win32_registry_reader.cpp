#include "platform/win32/win32_registry_reader.h"

#include "platform/win32/scoped_handles.h"

#include <cstring>

namespace tessaly::win32 {

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

bool Win32RegistryReader::ReadValue(RegistryRoot root, const std::string& subkey,
                                    const std::string& valueName, std::string* text) {
    // Read access only: asking for write access to HKEY_LOCAL_MACHINE is
    // refused for a standard user of a program that is not virtualised.
    ScopedRegKey key;
    if (RegOpenKeyExA(RootKey(root), subkey.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
        return false;
    }
    BYTE buffer[kRegistryValueBufferSize];
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, buffer, &size) !=
        ERROR_SUCCESS) {
        return false;  // includes ERROR_MORE_DATA: the value does not fit
    }
    // String data may be stored without its terminator: take the text up to
    // the first zero within the bytes actually returned, never beyond them.
    const char* data = reinterpret_cast<const char*>(buffer);
    const void* terminator = std::memchr(data, '\0', size);
    const std::size_t length =
        terminator != nullptr ? static_cast<const char*>(terminator) - data : size;
    text->assign(data, length);
    return true;
}

}  // namespace tessaly::win32
