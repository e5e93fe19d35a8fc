#pragma once

#include "platform/code_page_encoder.h"

#include <windows.h>

#include <string_view>

namespace tessaly::win32 {

// `text` in `codePage` (a code page's own number, not CP_ACP) into `bytes`;
// HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION) when a character has no
// exact spelling there. Best-fit look-alikes count as missing: "ä" must not
// quietly become "a" on the way to a hash.
HResult EncodeInCodePage(std::wstring_view text, UINT codePage, SecretText* bytes);

// The system's ANSI code page (GetACP).
UINT SystemCodePage();

// Encodes in the system's ANSI code page, as `systemCodePage` names it: a
// test can so be on a system whose code page is UTF-8 (65001).
class Win32CodePageEncoder : public CodePageEncoder {
public:
    explicit Win32CodePageEncoder(UINT (*systemCodePage)() = SystemCodePage)
        : systemCodePage_(systemCodePage) {}
    HResult Encode(const SecretText& utf8, SecretText* bytes) override;

private:
    UINT (*systemCodePage_)();
};

}  // namespace tessaly::win32
