#pragma once

#include "core/secret_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::win32 {

// The program keeps text as UTF-8 and hands Windows UTF-16: these are the
// only crossings.
//
// Lenient: an ill-formed sequence becomes U+FFFD, as Windows itself does.
// For text Windows hands the program from the user, such as window texts: a
// lone surrogate pasted into a box is the user's to see and mend, and
// refusing the whole text would lose what was typed around it.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Strict: std::nullopt for UTF-16 that is not well formed. For text the
// program takes as a name from stored data (registry values, shortcut
// files): with one unit replaced it names another folder, so it is refused.
std::optional<std::string> WellFormedWideToUtf8(std::wstring_view wide);

// The same, converted straight into secret texts: for passwords and the
// client's command line, of which no unwiped copy may be left on the way.
SecretWideText SecretUtf8ToWide(std::string_view utf8);
SecretText SecretWideToUtf8(std::wstring_view wide);
std::optional<SecretText> SecretWellFormedWideToUtf8(std::wstring_view wide);

}  // namespace tessaly::win32
