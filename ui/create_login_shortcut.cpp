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

// Writes the shortcut through one shell link object and returns what the user
// is to be told. The object is gone when this returns, so it is never held
// through the message box's modal loop.
std::string WriteShortcut(const LoginShortcut& shortcut, ShellLinkWriter& writer) {
    std::unique_ptr<ShellLink> link;
    HResult hr = writer.Open(&link);
    if (!Succeeded(hr)) {
        return ShortcutObjectFailedMessage(hr);
    }
    hr = link->SetPath(shortcut.targetPath);
    if (Succeeded(hr) && !HoldsTarget(*link)) {
        // A success code is no proof: a shell link may take a path it cannot
        // store and keep an empty target, which would start nothing.
        return TargetNotTakenMessage(shortcut.targetPath);
    }
    if (Succeeded(hr)) {
        hr = link->SetArguments(shortcut.arguments);
    }
    if (Succeeded(hr)) {
        hr = link->SetDescription(shortcut.description);
    }
    if (!Succeeded(hr)) {
        return ShortcutContentFailedMessage(hr);
    }
    hr = link->Save(shortcut.linkFilePath);
    return Succeeded(hr) ? ShortcutCreatedMessage()
                         : ShortcutSaveFailedMessage(shortcut.linkFilePath, hr);
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
    } else if (Utf16Length(shortcut.linkFilePath) > kMaxPathLength) {
        services.messages.Show(ShortcutPathTooLongMessage(shortcut.linkFilePath));
    } else {
        services.messages.Show(WriteShortcut(shortcut, services.shellLinks));
    }
}

}  // namespace tessaly
