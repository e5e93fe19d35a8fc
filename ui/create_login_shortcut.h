#pragma once

#include "core/login_shortcut.h"
#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_links.h"
#include "platform/shortcut_files.h"

namespace tessaly {

// What the shortcut creation action works through.
struct ShortcutServices {
    RegistryReader& registry;
    ShellLinks& shellLinks;
    ShortcutFiles& files;
    MessagePresenter& messages;
    CodePageEncoder& codePage;
};

// The step a shortcut's making ended at.
enum class ShortcutStep {
    Created,                // in place at `path`
    PasswordNotInCodePage,  // the client could never be given its hash
    TargetPathTooLong,      // `path`: the target
    LinkPathTooLong,        // `path`: the shortcut file
    CreateObject,           // no shell link object: `code`
    SetContent,             // a field refused: `code`
    TargetNotTaken,         // the object kept no target: `path`, the target
    Save,                   // `path` could not be saved or moved into place: `code`
    ReadBack,               // the saved file could not be loaded: `path`, `code`
    TargetNotSaved,         // the file holds another target: `path`, the target
    ContentNotSaved,        // the file holds other arguments or description: `path`
};

// What a press of the create button came to.
struct ShortcutOutcome {
    ShortcutStep step = ShortcutStep::Created;
    HResult code = kOk;
    std::string path;
    // The desktop could not be found: the root of drive C: took its place.
    bool desktopUnknown = false;

    bool Created() const { return step == ShortcutStep::Created; }
};

// Writes the login shortcut for `request` into the user's desktop folder (or
// the root of drive C: when the desktop cannot be found) and tells the user
// how it went: success only when the file on disk holds the shortcut, put in
// place of any earlier one only then.
void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services);

}  // namespace tessaly
