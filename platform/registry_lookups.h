#pragma once

#include "platform/registry_reader.h"

#include <optional>
#include <string>

namespace tessaly {

// One folder the program finds in the registry, and what the user is told
// when it cannot be read.
struct RegistryLookup {
    RegistryRoot root;
    const char* subkey;
    const char* valueName;
    const char* failureMessage;
};

extern const RegistryLookup kInstallFolderLookup;
extern const RegistryLookup kDesktopFolderLookup;

// Removes every "   " (three spaces), scanning left to right without overlap.
std::string RemoveTripleSpaces(const std::string& text);

// A folder value as the program uses it: triple spaces removed, then one pair
// of double quotes around the whole text dropped (installers often quote
// paths, and a Windows path can never hold a quote itself).
std::string CleanFolderText(const std::string& text);

// Reads a value and cleans it. The result may be empty, which is still a
// success: the caller decides what an empty folder means.
std::optional<std::string> ReadRegistryText(RegistryReader& reader, RegistryRoot root,
                                            const std::string& subkey,
                                            const std::string& valueName);
std::optional<std::string> ReadRegistryText(RegistryReader& reader, const RegistryLookup& lookup);

}  // namespace tessaly
