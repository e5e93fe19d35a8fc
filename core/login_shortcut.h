#pragma once

#include <string>

namespace tessaly {

// What the user entered in the dialog. All texts are ANSI (code page) bytes.
struct LoginRequest {
    std::string installFolder;  // used as is: no separator added or removed
    std::string qqNumber;
    std::string password;
    int loginMode = 1;  // a LoginMode value
};

// Everything a login shortcut is made of.
struct LoginShortcut {
    std::string linkName;
    std::string targetPath;
    std::string arguments;
    std::string description;
    std::string linkFilePath;
};

std::string LinkNameFor(const LoginRequest& request);
std::string TargetPathFor(const LoginRequest& request);
// " /START QQUIN:<number> PWDHASH:<hash> /STAT:<code>"
std::string ClientArgumentsFor(const LoginRequest& request);
std::string DescriptionFor(const std::string& linkName);
std::string LinkFilePathFor(const std::string& desktopFolder, const std::string& linkName);

// Composes the whole shortcut for a request and the desktop folder. Pure.
LoginShortcut ComposeLoginShortcut(const LoginRequest& request, const std::string& desktopFolder);

}  // namespace tessaly
