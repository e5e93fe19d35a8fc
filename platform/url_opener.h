#pragma once

#include <string>

namespace tessaly {

// Opens a web address in the user's default browser. Nothing comes back: a
// browser that cannot be started is the shell's to report.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const std::string& url) = 0;
};

}  // namespace tessaly
