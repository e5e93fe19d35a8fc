#pragma once

#include <string>

namespace tessaly {

// Four '0'/'1' characters per hexadecimal digit of `hex` (either case), most
// significant bit first; any other character is skipped.
std::string HexToBitText(const std::string& hex);

// The Base64 letter spelled by a 6-character bit text, or the empty text when
// `bits` is not exactly six '0'/'1' characters.
std::string BitGroupToLetter(const std::string& bits);

// The 24-character text the client takes after "PWDHASH:": the Base64 form of
// the MD5 digest of the password's bytes.
std::string EncodePasswordHash(const std::string& password);

}  // namespace tessaly
