#pragma once

#include <string>

namespace tessaly {

// The longest account number the number box keeps, in characters.
constexpr std::size_t kMaxNumberLength = 9;

// Keeps the number box to at most nine ASCII digits. Given the box's new
// text, returns what it should hold: the text itself when it is acceptable
// (which then becomes the last accepted one), otherwise the last accepted
// text. The number ends up in a file name and the client's command line, so
// pasted text with anything but digits is refused like an overlong one.
std::string GuardNumber(const std::string& text, std::string& lastAcceptedNumber);

}  // namespace tessaly
