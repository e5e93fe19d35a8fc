#pragma once

#include "core/login_shortcut.h"
#include "platform/message_box.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"

namespace tessaly {

// What the shortcut creation action works through.
struct ShortcutServices {
    RegistryReader& registry;
    ShellLinkWriter& shellLinks;
    MessagePresenter& messages;
};

// Writes the login shortcut for `request` into the user's desktop folder (or
// the root of drive C: when the desktop cannot be found) and tells the user
// how it went: success only when the shortcut was really saved.
void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services);

}  // namespace tessaly
