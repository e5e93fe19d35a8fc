#include "platform/win32/win32_registry_reader.h"

#include "text/utf_conversion.h"

#include <windows.h>

namespace tessaly::win32 {

HResult Win32RegistryReader::ReadValue(RegistryRoot root, const std::string& subkey,
                                       const std::string& valueName, std::string* text) {
    // RegGetValueW opens the key for reading only (asking HKEY_LOCAL_MACHINE
    // for more is refused to a standard user), takes REG_SZ, and REG_EXPAND_SZ
    // with its variables expanded, and nothing else, and terminates the text
    // it returns; data that does not fit the buffer is ERROR_MORE_DATA.
    WCHAR buffer[1024] = {};
    DWORD size = sizeof buffer;
    const LSTATUS status =
        RegGetValueW(root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                     text::Utf8ToWide(subkey).c_str(), text::Utf8ToWide(valueName).c_str(),
                     RRF_RT_REG_SZ, nullptr, buffer, &size);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    // Up to the first zero: stored data may hold one before its end.
    // Strictly: a lone surrogate in place of a character would make this
    // another folder than the registry's.
    std::optional<std::string> utf8 = text::WellFormedWideToUtf8(buffer);
    if (!utf8) {
        return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
    }
    *text = std::move(*utf8);
    return S_OK;
}

}  // namespace tessaly::win32
