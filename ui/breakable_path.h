#pragma once

#include <string>

namespace tessaly {

// A path as a message box can wrap it. The box breaks lines only where the
// text allows (spaces, ideographs, zero-width spaces), and a path has no such
// place: one zero-width space (U+200B) goes after each separator, and after
// every 24 characters of a name too long for that. The path reads the same;
// taking the zero-width spaces out gives it back.
std::string BreakablePath(const std::string& path);

}  // namespace tessaly
