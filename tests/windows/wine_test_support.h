#pragma once

#include <string>
#include <vector>

// Helpers for tests under Wine; paths and texts are UTF-8.
namespace tessaly::test {

// A fresh, empty folder under C:\tessaly-test for one test, removed with its
// contents when the object goes (unless kept for checks from Linux).
class TestFolder {
public:
    explicit TestFolder(const std::string& name, bool keep = false);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool keep_;
};

// Creates a folder (true when it exists afterwards) / removes one with all it holds.
bool MakeFolder(const std::string& path);
void RemoveTree(const std::string& path);
bool FileExists(const std::string& path);

// Appends one record to an expectations file that tests/support/check-lnkinfo.py
// reads from Linux (its header says what the records hold).
void RecordExpectedFields(const std::string& expectationsFile,
                          const std::vector<std::string>& fields);

}  // namespace tessaly::test
