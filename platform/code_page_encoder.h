#pragma once

#include "core/secret_text.h"

#include <optional>

namespace tessaly {

// Spells a UTF-8 text in the system's ANSI code page, the form in which the
// client hashes a password. A text the code page cannot hold exactly gives
// std::nullopt: a stand-in such as "?" would hash another password.
class CodePageEncoder {
public:
    virtual ~CodePageEncoder() = default;
    virtual std::optional<SecretText> Encode(const SecretText& utf8) = 0;
};

}  // namespace tessaly
