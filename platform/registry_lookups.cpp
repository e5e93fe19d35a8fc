#include "platform/registry_lookups.h"

namespace tessaly {

const RegistryLookup kInstallFolderLookup = {
    RegistryRoot::LocalMachine,
    "SOFTWARE\\TENCENT\\QQ",
    "Install",
    // QQ默认安装路径获取失败!请选择安装路径或输入安装路径!
    "QQ\xC4\xAC\xC8\xCF\xB0\xB2\xD7\xB0\xC2\xB7\xBE\xB6\xBB\xF1\xC8\xA1\xCA\xA7\xB0\xDC!\xC7\xEB"
    "\xD1\xA1\xD4\xF1\xB0\xB2\xD7\xB0\xC2\xB7\xBE\xB6\xBB\xF2\xCA\xE4\xC8\xEB\xB0\xB2\xD7\xB0\xC2"
    "\xB7\xBE\xB6!",
};

const RegistryLookup kDesktopFolderLookup = {
    RegistryRoot::CurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Desktop",
    // 桌面路径获取失败!快捷方式将生成在C盘根目录下!
    "\xD7\xC0\xC3\xE6\xC2\xB7\xBE\xB6\xBB\xF1\xC8\xA1\xCA\xA7\xB0\xDC!\xBF\xEC\xBD\xDD\xB7\xBD\xCA"
    "\xBD\xBD\xAB\xC9\xFA\xB3\xC9\xD4\xDA"
    "C\xC5\xCC\xB8\xF9\xC4\xBF\xC2\xBC\xCF\xC2!",
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

std::optional<std::string> ReadRegistryText(RegistryReader& reader, RegistryRoot root,
                                            const std::string& subkey,
                                            const std::string& valueName) {
    std::string raw;
    if (!reader.ReadValue(root, subkey, valueName, &raw)) {
        return std::nullopt;
    }
    return RemoveTripleSpaces(raw);
}

std::optional<std::string> ReadRegistryText(RegistryReader& reader, const RegistryLookup& lookup) {
    return ReadRegistryText(reader, lookup.root, lookup.subkey, lookup.valueName);
}

}  // namespace tessaly
