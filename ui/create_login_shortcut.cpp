#include "ui/create_login_shortcut.h"

#include "core/utf16_length.h"
#include "platform/registry_lookups.h"
#include "ui/shortcut_messages.h"

#include <memory>
#include <optional>

namespace tessaly {

namespace {

// The folder the shortcut goes into, telling the user when the desktop
// cannot be found. A value that is empty, only spaces or names no folder is
// no desktop either: taken as it is, it would put the file in the root of
// whatever drive is current while the user is told to look on the desktop.
std::string DesktopFolder(const ShortcutServices& services) {
    const auto desktop = ReadRegistryText(services.registry, kDesktopFolderLookup);
    if (desktop && desktop->find_first_not_of(' ') != std::string::npos &&
        services.shellLinks.FolderExists(*desktop)) {
        return *desktop;
    }
    services.messages.Show(kDesktopFolderLookup.failureMessage);
    // The root of drive C:, written without its separator so that the one
    // added when the file name is joined on does not double it.
    return "C:";
}

// Fills one shell link object and saves it to a temporary file beside the
// shortcut's, named in `temporary` once it exists; `heldTarget` is the target
// as the object took it. On failure, returns what the user is to be told.
// The object is gone when this returns.
std::optional<std::string> SaveToTemporary(const LoginShortcut& shortcut, ShellLinkWriter& writer,
                                           std::string* temporary, std::string* heldTarget) {
    std::unique_ptr<ShellLink> link;
    HResult hr = writer.Open(&link);
    if (!Succeeded(hr)) {
        return ShortcutObjectFailedMessage(hr);
    }
    hr = link->SetPath(shortcut.targetPath);
    // A success code is no proof: a shell link may take a path it cannot
    // store and keep an empty target, which would start nothing.
    if (Succeeded(hr) && (!Succeeded(link->GetPath(heldTarget)) || heldTarget->empty())) {
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
    hr = writer.CreateTemporary(shortcut.linkFilePath, temporary);
    if (Succeeded(hr)) {
        hr = link->Save(*temporary);
    }
    if (!Succeeded(hr)) {
        return ShortcutSaveFailedMessage(shortcut.linkFilePath, hr);
    }
    return std::nullopt;
}

// Loads the saved file with a fresh object and compares it with what was
// meant: the shell can always store less than it was given (under Wine the
// target goes through the ANSI code page), and only the file says what the
// user gets. The target is compared as the first object held it, since the
// shell normalises a path as it takes it. On a difference or a failure,
// returns what the user is to be told.
std::optional<std::string> CheckSaved(const LoginShortcut& shortcut, const std::string& heldTarget,
                                      const std::string& temporary, ShellLinkWriter& writer) {
    std::unique_ptr<ShellLink> link;
    HResult hr = writer.Open(&link);
    if (!Succeeded(hr)) {
        return ShortcutObjectFailedMessage(hr);
    }
    std::string target, description;
    SecretText arguments;
    hr = link->Load(temporary);
    if (Succeeded(hr)) {
        hr = link->GetPath(&target);
    }
    if (Succeeded(hr)) {
        hr = link->GetArguments(&arguments);
    }
    if (Succeeded(hr)) {
        hr = link->GetDescription(&description);
    }
    if (!Succeeded(hr)) {
        return ShortcutReadBackFailedMessage(shortcut.linkFilePath, hr);
    }
    if (target != heldTarget) {
        return TargetNotSavedMessage(shortcut.targetPath);
    }
    if (arguments != shortcut.arguments || description != shortcut.description) {
        return ContentNotSavedMessage(shortcut.linkFilePath);
    }
    return std::nullopt;
}

// Writes the shortcut as a whole or not at all: saved under a temporary name,
// read back, and only then put in the place of any earlier shortcut, which a
// failure leaves as it was. No shell link object outlives this, so none is
// held through the message box's modal loop.
std::string WriteShortcut(const LoginShortcut& shortcut, ShellLinkWriter& writer) {
    std::string temporary, heldTarget;
    std::optional<std::string> failure = SaveToTemporary(shortcut, writer, &temporary, &heldTarget);
    if (!failure) {
        failure = CheckSaved(shortcut, heldTarget, temporary, writer);
    }
    if (!failure) {
        const HResult hr = writer.Replace(temporary, shortcut.linkFilePath);
        if (Succeeded(hr)) {
            return ShortcutCreatedMessage();
        }
        failure = ShortcutSaveFailedMessage(shortcut.linkFilePath, hr);
    }
    if (!temporary.empty()) {
        writer.Remove(temporary);
    }
    return *failure;
}

}  // namespace

void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services) {
    // Checked first: with a password the client cannot be given, nothing else
    // is worth asking or telling.
    std::optional<SecretText> passwordBytes = services.codePage.Encode(request.password);
    if (!passwordBytes) {
        services.messages.Show(PasswordNotInCodePageMessage());
        return;
    }
    const LoginShortcut shortcut =
        ComposeLoginShortcut(request, DesktopFolder(services), *passwordBytes);
    passwordBytes.reset();  // the hash is all that is needed of it from here on
    if (Utf16Length(shortcut.targetPath) > kMaxPathLength) {
        services.messages.Show(TargetPathTooLongMessage(shortcut.targetPath));
    } else if (Utf16Length(shortcut.linkFilePath) > kMaxPathLength) {
        services.messages.Show(ShortcutPathTooLongMessage(shortcut.linkFilePath));
    } else {
        services.messages.Show(WriteShortcut(shortcut, services.shellLinks));
    }
}

}  // namespace tessaly
