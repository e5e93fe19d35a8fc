#pragma once

#include "platform/shell_link_writer.h"

namespace tessaly::win32 {

// Writes shortcuts through the system's shell link object (CLSID_ShellLink
// with IShellLinkW and IPersistFile), and moves their files with the file
// system's own calls. COM must be initialised on the calling
// thread, apartment-threaded, for as long as the links live.
class Win32ShellLinkWriter : public ShellLinkWriter {
public:
    HResult Open(std::unique_ptr<ShellLink>* link) override;
    HResult CreateTemporary(const std::string& linkFilePath, std::string* temporaryPath) override;
    HResult Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
};

}  // namespace tessaly::win32
