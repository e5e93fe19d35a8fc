#pragma once

#include "platform/url_opener.h"

namespace tessaly::win32 {

// Hands the address to the shell's "open" verb, i.e. the default browser.
class Win32UrlOpener : public UrlOpener {
public:
    void Open(const std::string& url) override;
};

}  // namespace tessaly::win32
