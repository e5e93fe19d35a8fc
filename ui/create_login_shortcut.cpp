#include "ui/create_login_shortcut.h"

#include "core/secure_wipe.h"
#include "core/utf16_length.h"
#include "platform/registry_lookups.h"
#include "ui/shortcut_messages.h"

#include <memory>

namespace tessaly {

namespace {

// The folder the shortcut goes into, telling the user when the desktop
// cannot be found. An empty desktop value stays empty: the path then starts
// with "\", the root of the current drive.
std::string DesktopFolder(const ShortcutServices& services) {
    const auto desktop = ReadRegistryText(services.registry, kDesktopFolderLookup);
    if (desktop) {
        return *desktop;
    }
    services.messages.Show(kDesktopFolderLookup.failureMessage);
    // The root of drive C:, written without its separator so that the one
    // added when the file name is joined on does not double it.
    return "C:";
}

bool HoldsTarget(ShellLink& link) {
    std::string held;
    return Succeeded(link.GetPath(&held)) && !held.empty();
}

}  // namespace

void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services) {
    // Checked first: with a password the client cannot be given, nothing else
    // is worth asking or telling.
    std::optional<std::string> passwordBytes = services.codePage.Encode(request.password);
    if (!passwordBytes) {
        services.messages.Show(PasswordNotInCodePageMessage());
        return;
    }
    const LoginShortcut shortcut =
        ComposeLoginShortcut(request, DesktopFolder(services), *passwordBytes);
    SecureWipe(*passwordBytes);
    if (Utf16Length(shortcut.targetPath) > kMaxPathLength) {
        services.messages.Show(TargetPathTooLongMessage(shortcut.targetPath));
        return;
    }
    if (Utf16Length(shortcut.linkFilePath) > kMaxPathLength) {
        services.messages.Show(ShortcutPathTooLongMessage(shortcut.linkFilePath));
        return;
    }

    std::unique_ptr<ShellLink> link;
    HResult hr = services.shellLinks.Open(&link);
    if (!Succeeded(hr)) {
        services.messages.Show(ShortcutObjectFailedMessage(hr));
        return;
    }
    hr = link->SetPath(shortcut.targetPath);
    if (Succeeded(hr) && !HoldsTarget(*link)) {
        // A success code is no proof: a shell link may take a path it cannot
        // store and keep an empty target, which would start nothing.
        services.messages.Show(TargetNotTakenMessage(shortcut.targetPath));
        return;
    }
    if (Succeeded(hr)) {
        hr = link->SetArguments(shortcut.arguments);
    }
    if (Succeeded(hr)) {
        hr = link->SetDescription(shortcut.description);
    }
    if (!Succeeded(hr)) {
        services.messages.Show(ShortcutContentFailedMessage(hr));
        return;
    }
    hr = link->Save(shortcut.linkFilePath);
    // The shell link object is released before the user is told the outcome.
    link.reset();
    if (!Succeeded(hr)) {
        services.messages.Show(ShortcutSaveFailedMessage(shortcut.linkFilePath, hr));
    } else {
        services.messages.Show(ShortcutCreatedMessage());
    }
}

}  // namespace tessaly
