#pragma once

#include "core/secret_text.h"

#include <string>
#include <string_view>

namespace tessaly {

// Four '0'/'1' characters per hexadecimal digit of `hex` (either case), most
// significant bit first; any other character is skipped.
SecretText HexToBitText(std::string_view hex);

// The Base64 letter spelled by a 6-character bit text, or the empty text when
// `bits` is not exactly six '0'/'1' characters.
std::string BitGroupToLetter(std::string_view bits);

// The 24-character text the client takes after "PWDHASH:": the Base64 form of
// the MD5 digest of the password's bytes.
SecretText EncodePasswordHash(const SecretText& password);

}  // namespace tessaly
