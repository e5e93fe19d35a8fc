#include "core/login_shortcut.h"

#include "core/author_info.h"
#include "core/login_mode.h"
#include "core/password_hash.h"

namespace tessaly {

namespace {

std::string LinkNameFor(const LoginRequest& request) {
    return LinkNamePrefix(request.loginMode) + request.qqNumber;
}

std::string TargetPathFor(const LoginRequest& request) {
    return request.installFolder + "\\QQ.exe";
}

SecretText ClientArgumentsFor(const LoginRequest& request, const SecretText& passwordBytes) {
    SecretText arguments;
    arguments += " /START QQUIN:";
    arguments += request.qqNumber;
    arguments += " ";
    arguments += "PWDHASH:";
    arguments += EncodePasswordHash(passwordBytes).view();
    arguments += " /STAT:";
    arguments += StatusCode(request.loginMode);
    return arguments;
}

std::string DescriptionFor(const std::string& linkName) {
    return linkName + "\n" + kAuthorWebAddress;
}

std::string LinkFilePathFor(const std::string& desktopFolder, const std::string& linkName) {
    return desktopFolder + "\\" + linkName + ".lnk";
}

}  // namespace

LoginShortcut ComposeLoginShortcut(const LoginRequest& request, const std::string& desktopFolder,
                                   const SecretText& passwordBytes) {
    LoginShortcut shortcut;
    shortcut.linkName = LinkNameFor(request);
    shortcut.targetPath = TargetPathFor(request);
    shortcut.arguments = ClientArgumentsFor(request, passwordBytes);
    shortcut.description = DescriptionFor(shortcut.linkName);
    shortcut.linkFilePath = LinkFilePathFor(desktopFolder, shortcut.linkName);
    return shortcut;
}

}  // namespace tessaly
