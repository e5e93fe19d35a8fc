#pragma once

#include "tests/support/golden_shortcuts.h"

#include <string>
#include <vector>

// Files and folders for the tests under Wine; paths are UTF-8.
namespace tessaly::test {

// Creates a folder and its parents (true when it exists afterwards) / removes
// one with all it holds.
bool MakeFolder(const std::string& path);
void RemoveTree(const std::string& path);
// The names in a folder, sorted; a file's bytes ("" for none) / writes them.
std::vector<std::string> FileNames(const std::string& folder);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The entries of a file's DACL in SDDL ("" when it cannot be read). (Wine
// keeps a file's rights as its Unix mode, where "inherits nothing" cannot be
// written down: the entries are what it can show.)
std::string FileDacl(const std::string& path);

// Appends the shortcut `row` names in `folder`, with the fields the table
// spells, to an expectations file that tests/support/check-lnkinfo.py reads
// from Linux.
void RecordGolden(const std::string& expectationsFile, const std::string& folder,
                  const GoldenShortcut& row);

}  // namespace tessaly::test
