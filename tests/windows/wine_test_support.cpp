#include "tests/windows/wine_test_support.h"

#include "platform/win32/utf_conversion.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace tessaly::test {

namespace {

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

void RemoveTree(const std::string& path) {
    std::wstring from = win32::Utf8ToWide(path);
    from.push_back(L'\0');  // SHFileOperation takes a double-terminated list
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

bool MakeFolder(const std::string& path) {
    return CreateDirectoryW(win32::Utf8ToWide(path).c_str(), nullptr) ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

TestFolder::TestFolder(const std::string& name, bool keep)
    : path_("C:\\tessaly-test\\" + name), keep_(keep) {
    MakeFolder("C:\\tessaly-test");
    RemoveTree(path_);
    MakeFolder(path_);
}

TestFolder::~TestFolder() {
    if (!keep_) {
        RemoveTree(path_);
    }
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(win32::Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RecordExpectedFields(const std::string& expectationsFile,
                          const std::vector<std::string>& fields) {
    FILE* file = _wfopen(win32::Utf8ToWide(expectationsFile).c_str(), L"ab");
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
