#include "ui/create_login_shortcut.h"

#include "core/path_length.h"
#include "platform/registry_lookups.h"
#include "ui/user_texts.h"

#include <memory>

namespace tessaly {

namespace {

ShortcutOutcome Outcome(ShortcutStep step, HResult code = kOk, const std::string& path = "") {
    ShortcutOutcome outcome;
    outcome.step = step;
    outcome.code = code;
    outcome.path = path;
    return outcome;
}

// The folder the shortcut goes into. A value that is empty, only spaces or
// names no folder is no desktop either: taken as it is, it would put the file
// in the root of whatever drive is current while the user is told to look on
// the desktop.
std::string DesktopFolder(const ShortcutServices& services, bool* unknown) {
    std::string desktop;
    if (Succeeded(ReadRegistryText(services.registry, kDesktopFolderLookup, &desktop)) &&
        desktop.find_first_not_of(' ') != std::string::npos &&
        services.files.FolderExists(desktop)) {
        return desktop;
    }
    *unknown = true;
    // The root of drive C:, written without its separator so that the one
    // added when the file name is joined on does not double it.
    return "C:";
}

// Fills one shell link object and saves it to a temporary file beside the
// shortcut's, named in `temporary` once it exists; `heldTarget` is the target
// as the object took it. The object is gone when this returns.
ShortcutOutcome SaveToTemporary(const LoginShortcut& shortcut, const ShortcutServices& services,
                                std::string* temporary, std::string* heldTarget) {
    std::unique_ptr<ShellLink> link;
    HResult hr = services.shellLinks.Create(&link);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::CreateObject, hr);
    }
    hr = link->SetPath(shortcut.targetPath);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::SetContent, hr);
    }
    // A success code is no proof: a shell link may take a path it cannot
    // store and keep an empty target, which would start nothing.
    if (Failed(link->GetPath(heldTarget)) || heldTarget->empty()) {
        return Outcome(ShortcutStep::TargetNotTaken, kOk, shortcut.targetPath);
    }
    hr = link->SetArguments(shortcut.arguments);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::SetContent, hr);
    }
    hr = link->SetDescription(shortcut.description);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::SetContent, hr);
    }
    hr = services.files.CreateTemporary(shortcut.linkFilePath, temporary);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::Save, hr, shortcut.linkFilePath);
    }
    hr = link->Save(*temporary);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::Save, hr, shortcut.linkFilePath);
    }
    return Outcome(ShortcutStep::Created);
}

// Loads the saved file with a fresh object and compares it with what was
// meant: the shell can always store less than it was given (under Wine the
// target goes through the ANSI code page), and only the file says what the
// user gets. The target is compared as the first object held it, since the
// shell normalises a path as it takes it.
ShortcutOutcome CheckSaved(const LoginShortcut& shortcut, const std::string& heldTarget,
                           const std::string& temporary, ShellLinks& shellLinks) {
    std::unique_ptr<ShellLink> link;
    HResult hr = shellLinks.Create(&link);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::CreateObject, hr);
    }
    std::string target, description;
    SecretText arguments;
    if (Failed(hr = link->Load(temporary)) || Failed(hr = link->GetPath(&target)) ||
        Failed(hr = link->GetArguments(&arguments)) ||
        Failed(hr = link->GetDescription(&description))) {
        return Outcome(ShortcutStep::ReadBack, hr, shortcut.linkFilePath);
    }
    if (target != heldTarget) {
        return Outcome(ShortcutStep::TargetNotSaved, kOk, shortcut.targetPath);
    }
    if (arguments != shortcut.arguments || description != shortcut.description) {
        return Outcome(ShortcutStep::ContentNotSaved, kOk, shortcut.linkFilePath);
    }
    return Outcome(ShortcutStep::Created);
}

// Saved under a temporary name, read back, and only then put in the place
// of any earlier shortcut.
ShortcutOutcome SaveCheckAndMove(const LoginShortcut& shortcut, const ShortcutServices& services,
                                 std::string* temporary) {
    std::string heldTarget;
    ShortcutOutcome outcome = SaveToTemporary(shortcut, services, temporary, &heldTarget);
    if (!outcome.Created()) {
        return outcome;
    }
    outcome = CheckSaved(shortcut, heldTarget, *temporary, services.shellLinks);
    if (!outcome.Created()) {
        return outcome;
    }
    const HResult hr = services.files.Replace(*temporary, shortcut.linkFilePath);
    if (Failed(hr)) {
        return Outcome(ShortcutStep::Save, hr, shortcut.linkFilePath);
    }
    return Outcome(ShortcutStep::Created, kOk, shortcut.linkFilePath);
}

// Writes the shortcut as a whole or not at all: a failure leaves any earlier
// shortcut as it was and no temporary file behind. No shell link object
// outlives this, so none is held through a message box's modal loop.
ShortcutOutcome WriteShortcut(const LoginShortcut& shortcut, const ShortcutServices& services) {
    if (ExceedsMaxPath(shortcut.targetPath)) {
        return Outcome(ShortcutStep::TargetPathTooLong, kOk, shortcut.targetPath);
    }
    if (ExceedsMaxPath(shortcut.linkFilePath)) {
        return Outcome(ShortcutStep::LinkPathTooLong, kOk, shortcut.linkFilePath);
    }
    std::string temporary;
    const ShortcutOutcome outcome = SaveCheckAndMove(shortcut, services, &temporary);
    if (!outcome.Created() && !temporary.empty()) {
        services.files.Remove(temporary);
    }
    return outcome;
}

ShortcutOutcome MakeLoginShortcut(const LoginRequest& request, const ShortcutServices& services) {
    // Checked first: with a password the client cannot be given, nothing else
    // is worth asking or telling.
    SecretText passwordBytes;
    if (Failed(services.codePage.Encode(request.password, &passwordBytes))) {
        return Outcome(ShortcutStep::PasswordNotInCodePage);
    }
    bool desktopUnknown = false;
    const LoginShortcut shortcut =
        ComposeLoginShortcut(request, DesktopFolder(services, &desktopUnknown), passwordBytes);
    passwordBytes = SecretText();  // the hash is all that is needed of it from here on
    ShortcutOutcome outcome = WriteShortcut(shortcut, services);
    outcome.desktopUnknown = desktopUnknown;
    return outcome;
}

}  // namespace

void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services) {
    for (const std::string& text : ShortcutOutcomeTexts(MakeLoginShortcut(request, services))) {
        services.messages.Show(text);
    }
}

}  // namespace tessaly
