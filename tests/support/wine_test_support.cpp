#include "tests/support/wine_test_support.h"

#include "platform/win32/scoped_handles.h"
#include "text/utf_conversion.h"

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tessaly::test {

namespace {

std::filesystem::path Path(const std::string& path) {
    return text::Utf8ToWide(path);
}

}  // namespace

bool MakeFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(Path(path), error);
    return std::filesystem::is_directory(Path(path), error);
}

void RemoveTree(const std::string& path) {
    std::error_code error;
    std::filesystem::remove_all(Path(path), error);
}

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Path(folder), error)) {
        names.push_back(text::WideToUtf8(entry.path().filename().wstring()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(Path(path), std::ios::binary) << bytes;
}

std::string FileDacl(const std::string& path) {
    win32::ScopedLocal<PSECURITY_DESCRIPTOR> descriptor;
    win32::ScopedLocal<LPWSTR> text;
    if (GetNamedSecurityInfoW(Path(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nullptr, nullptr,
                              descriptor.receive()) != ERROR_SUCCESS ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.get(), SDDL_REVISION_1,
                                                              DACL_SECURITY_INFORMATION,
                                                              text.receive(), nullptr)) {
        return "";
    }
    const std::string dacl = text::WideToUtf8(text.get());
    return dacl.substr(std::min(dacl.find('('), dacl.size()));
}

void RecordGolden(const std::string& expectationsFile, const std::string& folder,
                  const GoldenShortcut& row) {
    // Fields end with the ASCII unit separator and records with the record
    // separator: neither can be in a path, a command line or a description.
    std::ofstream file(Path(expectationsFile), std::ios::binary | std::ios::app);
    for (const std::string& field :
         {folder + "\\" + row.fileName, row.target, row.arguments, DescriptionOf(row)}) {
        file << field << '\x1f';
    }
    file << '\x1e';
}

}  // namespace tessaly::test
