#pragma once

#include <string>

namespace tessaly {

// Opens a web address in the user's default browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // True when the shell accepted the request.
    virtual bool Open(const std::string& url) = 0;
};

}  // namespace tessaly
