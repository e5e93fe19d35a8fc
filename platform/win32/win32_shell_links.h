#pragma once

#include "platform/shell_links.h"

namespace tessaly::win32 {

// The system's shell link object (CLSID_ShellLink with IShellLinkW and
// IPersistFile). COM must be initialised on the calling thread,
// apartment-threaded, for as long as the links live.
class Win32ShellLinks : public ShellLinks {
public:
    HResult Create(std::unique_ptr<ShellLink>* link) override;
};

}  // namespace tessaly::win32
