#pragma once

#include <string>

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

bool FileExists(const std::string& path);

// Appends one shortcut's expected fields to an expectations file that
// tests/support/check-lnkinfo.py reads from Linux. Texts are ANSI bytes.
void RecordExpectedLink(const std::string& expectationsFile, const std::string& linkPath,
                        const std::string& targetPath, const std::string& arguments,
                        const std::string& description);

}  // namespace tessaly::test
