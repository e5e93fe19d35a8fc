#pragma once

#include "platform/win32/scoped_handles.h"

#include <windows.h>

#include <string>

namespace tessaly::win32 {

// Creates a new file that only the user running the program and SYSTEM may
// open: a protected DACL, so that nothing is inherited from its folder (the
// root of C:, say, lets every user read what is made there). Fails if the
// file exists or the descriptor cannot be built, never falling back on the
// folder's rights. A handle open for writing, or INVALID_HANDLE_VALUE with
// the reason in GetLastError().
HANDLE CreatePrivateFile(const std::wstring& path);
// The security descriptor such a file is created with; empty if it cannot
// be built.
ScopedLocal<PSECURITY_DESCRIPTOR> PrivateSecurityDescriptor();

}  // namespace tessaly::win32
