#pragma once

#include "platform/code_page_encoder.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::win32 {

// `text` in `codePage` (CP_ACP for the system's), or std::nullopt when a
// character has no exact spelling there. Best-fit look-alikes count as
// missing: "ä" must not quietly become "a" on the way to a hash.
std::optional<std::string> EncodeInCodePage(std::wstring_view text, UINT codePage);

// Encodes in the system's ANSI code page.
class Win32CodePageEncoder : public CodePageEncoder {
public:
    std::optional<std::string> Encode(const std::string& utf8) override;
};

}  // namespace tessaly::win32
