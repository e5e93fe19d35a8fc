#include "platform/registry_lookups.h"

namespace tessaly {

const RegistryLookup kInstallFolderLookup = {
    RegistryRoot::LocalMachine,
    "SOFTWARE\\TENCENT\\QQ",
    "Install",
};

const RegistryLookup kDesktopFolderLookup = {
    RegistryRoot::CurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Desktop",
};

std::string CleanFolderText(const std::string& text) {
    static const std::string kRun = "   ";
    std::string folder;
    folder.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t found; (found = text.find(kRun, at)) != std::string::npos;
         at = found + kRun.size()) {
        folder.append(text, at, found - at);
    }
    folder.append(text, at, std::string::npos);
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
        folder = folder.substr(1, folder.size() - 2);
    }
    return folder;
}

HResult ReadRegistryText(RegistryReader& reader, const RegistryLookup& lookup,
                         std::string* folder) {
    std::string raw;
    const HResult hr = reader.ReadValue(lookup.root, lookup.subkey, lookup.valueName, &raw);
    if (Succeeded(hr)) {
        *folder = CleanFolderText(raw);
    }
    return hr;
}

}  // namespace tessaly
