#pragma once

#include "core/secret_text.h"

#include <string>

namespace tessaly {

// What the user entered in the dialog, as UTF-8 text.
struct LoginRequest {
    std::string installFolder;  // used as is: no separator added or removed
    std::string qqNumber;
    SecretText password;
    int loginMode = 1;  // a LoginMode value
};

// Everything a login shortcut is made of.
struct LoginShortcut {
    std::string linkName;
    std::string targetPath;
    SecretText arguments;  // it signs the account in
    std::string description;
    std::string linkFilePath;
};

// Composes the whole shortcut for a request and the desktop folder, its
// arguments " /START QQUIN:<number> PWDHASH:<hash> /STAT:<code>". Pure.
// The client hashes the password as the system's ANSI code page spells it, so
// the hash is taken over `passwordBytes`, the request's password in that code
// page, not over its UTF-8 text.
LoginShortcut ComposeLoginShortcut(const LoginRequest& request, const std::string& desktopFolder,
                                   const SecretText& passwordBytes);

}  // namespace tessaly
