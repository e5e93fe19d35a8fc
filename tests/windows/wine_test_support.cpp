#include "tests/windows/wine_test_support.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace tessaly::test {

namespace {

void RemoveTree(const std::string& path) {
    std::string from = path;
    from.push_back('\0');  // SHFileOperation takes a double-terminated list
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

// Tabs and line feeds would break the record format, so they are escaped.
std::string Escape(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

TestFolder::TestFolder(const std::string& name, bool keep)
    : path_("C:\\tessaly-test\\" + name), keep_(keep) {
    CreateDirectoryA("C:\\tessaly-test", nullptr);
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    if (!keep_) {
        RemoveTree(path_);
    }
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RecordExpectedFields(const std::string& expectationsFile,
                          const std::vector<std::string>& fields) {
    FILE* file = std::fopen(expectationsFile.c_str(), "ab");
    if (file == nullptr) {
        return;
    }
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : "\t") + Escape(field);
    }
    line += "\n";
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

}  // namespace tessaly::test
