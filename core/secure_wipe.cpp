#include "core/secure_wipe.h"

namespace tessaly {

void SecureWipe(void* data, std::size_t size) {
    // Every store goes through a volatile pointer, so each one must happen.
    volatile unsigned char* bytes = static_cast<volatile unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = 0;
    }
}

}  // namespace tessaly
