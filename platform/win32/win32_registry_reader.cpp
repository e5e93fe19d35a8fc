#include "platform/win32/win32_registry_reader.h"

#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"

#include <cwchar>

namespace tessaly::win32 {

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// %VARIABLES% replaced from the environment, however long the result.
std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (size == 0) {
        return text;
    }
    std::wstring expanded(size, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
    if (written == 0 || written > size) {
        return text;
    }
    expanded.resize(written - 1);  // the count includes the terminator
    return expanded;
}

}  // namespace

bool Win32RegistryReader::ReadValue(RegistryRoot root, const std::string& subkey,
                                    const std::string& valueName, std::string* text) {
    // Read access only: asking for write access to HKEY_LOCAL_MACHINE is
    // refused for a standard user of a program that is not virtualised.
    ScopedRegKey key;
    if (RegOpenKeyExW(RootKey(root), Utf8ToWide(subkey).c_str(), 0, KEY_READ, key.receive()) !=
        ERROR_SUCCESS) {
        return false;
    }
    WCHAR buffer[kRegistryValueBufferSize];
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key.get(), Utf8ToWide(valueName).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
        return false;  // includes ERROR_MORE_DATA: the value does not fit
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return false;  // a number or binary data is no folder
    }
    // String data may be stored without its terminator: take the text up to
    // the first zero within the units actually returned, never beyond them.
    const std::size_t units = size / sizeof(WCHAR);
    const WCHAR* terminator = std::wmemchr(buffer, L'\0', units);
    std::wstring value(buffer, terminator != nullptr ? terminator - buffer : units);
    if (type == REG_EXPAND_SZ) {
        value = ExpandEnvironment(value);
    }
    // Strictly: a lone surrogate in place of a character would make this
    // another folder than the registry's.
    std::optional<std::string> utf8 = WellFormedWideToUtf8(value);
    if (!utf8) {
        return false;
    }
    *text = std::move(*utf8);
    return true;
}

}  // namespace tessaly::win32
