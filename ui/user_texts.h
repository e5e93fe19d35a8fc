#pragma once

#include "ui/create_login_shortcut.h"

#include <string>
#include <vector>

// Every text the program's code shows the user; the dialogs' own texts are
// in resources/Tessaly.rc.
namespace tessaly {

// The caption of every message box: the application's title.
extern const char kMessageCaption[];
// The folder picker's instruction.
extern const char kFolderPickerTitle[];
// The install folder could not be read from the registry.
extern const char kInstallFolderUnknownText[];

// What the user is told, in order, of a press of the create button.
std::vector<std::string> ShortcutOutcomeTexts(const ShortcutOutcome& outcome);

}  // namespace tessaly
