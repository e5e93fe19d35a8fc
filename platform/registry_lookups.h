#pragma once

#include "platform/registry_reader.h"

#include <string>

namespace tessaly {

// One folder the program finds in the registry.
struct RegistryLookup {
    RegistryRoot root;
    const char* subkey;
    const char* valueName;
};

extern const RegistryLookup kInstallFolderLookup;
extern const RegistryLookup kDesktopFolderLookup;

// A folder value as the program uses it: every "   " (three spaces) removed,
// scanning left to right without overlap, then one pair of double quotes
// around the whole text dropped (installers often quote paths, and a Windows
// path can never hold a quote itself).
std::string CleanFolderText(const std::string& text);

// Reads a lookup's value into `folder`, cleaned. The folder may be empty,
// which is still a success: the caller decides what an empty folder means.
HResult ReadRegistryText(RegistryReader& reader, const RegistryLookup& lookup, std::string* folder);

}  // namespace tessaly
