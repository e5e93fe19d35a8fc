#pragma once

#include <string>

namespace tessaly {

// The sign-in status the client is started with. The values are the ones the
// dialog stores in its integer member, so they must stay 1 and 0.
enum LoginMode : int {
    Invisible = 0,
    Normal = 1,
};

// The status code ("10"/"40") and link-name prefix of a mode. Any value other
// than Normal or Invisible has neither: both come back empty.
std::string StatusCode(int loginMode);
std::string LinkNamePrefix(int loginMode);

}  // namespace tessaly
