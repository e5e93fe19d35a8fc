#pragma once

#include "core/secret_text.h"
#include "platform/result.h"

namespace tessaly {

// Spells a UTF-8 text in the system's ANSI code page, the form in which the
// client hashes a password. A text the code page cannot hold exactly is a
// failure (HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION)): a stand-in such
// as "?" would hash another password.
class CodePageEncoder {
public:
    virtual ~CodePageEncoder() = default;
    virtual HResult Encode(const SecretText& utf8, SecretText* bytes) = 0;
};

}  // namespace tessaly
