#pragma once

#include "platform/shortcut_files.h"
#include "platform/win32/scoped_handles.h"

namespace tessaly::win32 {

// The rights of a private file: a protected DACL, so that nothing is
// inherited from its folder (the root of C:, say, lets every user read what
// is made there), with full access for SYSTEM and the user running the
// program and no entry for anyone else. Empty, with the reason in
// GetLastError(), when it cannot be built.
ScopedLocal<PSECURITY_DESCRIPTOR> PrivateFileDescriptor();

// The files beside a shortcut, through the file system's own calls.
class Win32ShortcutFiles : public ShortcutFiles {
public:
    HResult CreateTemporary(const std::string& linkFilePath, std::string* temporaryPath) override;
    HResult Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
};

}  // namespace tessaly::win32
