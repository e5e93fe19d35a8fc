#pragma once

#include "core/secret_text.h"

#include <cstdint>

namespace tessaly {

// MD5 (RFC 1321) with a streaming interface. Md5Hex is the entry the rest of
// the program uses; the streaming operations exist for it and for tests.
class Md5Digest {
public:
    Md5Digest();
    // Wipes the state and the buffered input: both come from a password.
    virtual ~Md5Digest();

    Md5Digest(const Md5Digest&) = delete;
    Md5Digest& operator=(const Md5Digest&) = delete;

    // Absorbs `length` bytes; may be called any number of times.
    void Update(const unsigned char* input, std::uint32_t length);
    // Compresses one 64-byte block into the chaining state.
    void Transform(const unsigned char block[64]);
    // Pads, appends the length and returns the digest as 32 lowercase hex
    // characters, as secret as the input. The object is spent afterwards.
    SecretText Final();

    static SecretText Md5Hex(const unsigned char* input, std::uint32_t length);

private:
    unsigned char buffer[64];
    std::uint32_t bitCount[2];  // low word first
    std::uint32_t state[4];     // A, B, C, D
};

}  // namespace tessaly
