#include "platform/registry_lookups.h"

namespace tessaly {

const RegistryLookup kInstallFolderLookup = {
    RegistryRoot::LocalMachine,
    "SOFTWARE\\TENCENT\\QQ",
    "Install",
    "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!",
};

const RegistryLookup kDesktopFolderLookup = {
    RegistryRoot::CurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Desktop",
    "桌面路径获取失败!快捷方式将生成在C盘根目录下!",
};

std::string RemoveTripleSpaces(const std::string& text) {
    static const std::string kRun = "   ";
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t found; (found = text.find(kRun, at)) != std::string::npos;
         at = found + kRun.size()) {
        result.append(text, at, found - at);
    }
    result.append(text, at, std::string::npos);
    return result;
}

std::string CleanFolderText(const std::string& text) {
    std::string folder = RemoveTripleSpaces(text);
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
        folder = folder.substr(1, folder.size() - 2);
    }
    return folder;
}

std::optional<std::string> ReadRegistryText(RegistryReader& reader, RegistryRoot root,
                                            const std::string& subkey,
                                            const std::string& valueName) {
    std::string raw;
    if (!reader.ReadValue(root, subkey, valueName, &raw)) {
        return std::nullopt;
    }
    return CleanFolderText(raw);
}

std::optional<std::string> ReadRegistryText(RegistryReader& reader, const RegistryLookup& lookup) {
    return ReadRegistryText(reader, lookup.root, lookup.subkey, lookup.valueName);
}

}  // namespace tessaly
