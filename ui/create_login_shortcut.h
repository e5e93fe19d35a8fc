#pragma once

#include "core/login_shortcut.h"
#include "platform/code_page_encoder.h"
#include "platform/message_presenter.h"
#include "platform/registry_reader.h"
#include "platform/shell_link_writer.h"

namespace tessaly {

// What the shortcut creation action works through.
struct ShortcutServices {
    RegistryReader& registry;
    ShellLinkWriter& shellLinks;
    MessagePresenter& messages;
    CodePageEncoder& codePage;
};

// The longest path, in UTF-16 units, that a shortcut file or its target may
// have: MAX_PATH less the terminator.
constexpr std::size_t kMaxPathLength = 259;

// Writes the login shortcut for `request` into the user's desktop folder (or
// the root of drive C: when the desktop cannot be found) and tells the user
// how it went: success only when the file on disk holds the shortcut, put in
// place of any earlier one only then.
void CreateLoginShortcut(const LoginRequest& request, const ShortcutServices& services);

}  // namespace tessaly
