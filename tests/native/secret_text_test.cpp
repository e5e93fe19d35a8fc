// A SecretText wipes every buffer it lets go: this test's operator delete
// looks into each heap block it frees for the secret.
#include "core/secret_text.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <string>

static std::string_view watched;  // looked for while not empty
static int freedWithSecret = 0;

static void Free(void* block) {
    if (block != nullptr && !watched.empty()) {
        const std::string_view bytes(static_cast<char*>(block), malloc_usable_size(block));
        freedWithSecret += bytes.find(watched) != std::string_view::npos;
    }
    std::free(block);
}

void* operator new(std::size_t size) {
    return std::malloc(size + 1);  // never out of memory here
}
void operator delete(void* block) noexcept {
    Free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Free(block);
}

TEST(SecretText, WipesItsBufferWhenReassignedWhenItGrowsAndWhenItGoes) {
    const std::string secret = "a secret too long for a string's own small buffer";
    watched = std::string_view(secret).substr(1);  // clear() ends a text at its first byte
    {
        tessaly::SecretText text(secret), grown(secret);
        text = tessaly::SecretText("x");
        grown += std::string(100, 'g');
    }  // and both go
    watched = {};
    // (The mutation list's wipe-dead-store and secret-grown-in-place show
    // that it sees a block let go unwiped.)
    EXPECT_EQ(freedWithSecret, 0);
}
