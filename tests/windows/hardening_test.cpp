// The stack guard Tessaly.exe is built with, linked into these tests too: its
// canary is random from the start, never the known zero. (That the program's
// code calls the stack check and the checked buffer functions, and its
// header's hardening bits, tests/support/check-exe.py reads from the build.)
#include <gtest/gtest.h>

extern "C" void* __stack_chk_guard;

TEST(Hardening, TheCanaryIsSeededBeforeTheProgramStarts) {
    EXPECT_NE(__stack_chk_guard, nullptr);
}
