// The hardening Tessaly.exe is built with, each measure proven by an attack
// only it stops, run alone in a copy of this process: the tests are built the
// same way and with the same stack guard. (No-execute data, address
// randomisation and terminal server awareness are header bits of Tessaly.exe,
// which tests/support/check-exe.py checks.)
#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>

#include <cstring>
#include <string>

extern "C" void* __stack_chk_guard;

namespace tessaly {
namespace {

volatile std::size_t runtimeLength = 64;  // unknown to the compiler
volatile char sink;                       // keeps the buffers in use

// A fault ends the attack's process with the exception's code.
LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Overruns a stack buffer by hand, past the canary (the stack protector).
__attribute__((noinline)) void SmashStack() {
    char buffer[16];
    for (std::size_t i = 0; i < runtimeLength; ++i) {
        buffer[i] = 'x';
    }
    sink = buffer[0];
}
TEST(HardeningAttack, DISABLED_SmashTheStack) {
    SetUnhandledExceptionFilter(EndWithExceptionCode);
    SmashStack();
}

// Overruns a member through strcpy, where no canary lies: only a check that
// knows the member's size sees it (the checked functions of _FORTIFY_SOURCE).
struct {
    char buffer[16];
    char spare[64];
} global;
TEST(HardeningAttack, DISABLED_OverrunAMember) {
    SetUnhandledExceptionFilter(EndWithExceptionCode);
    std::strcpy(global.buffer, std::string(runtimeLength / 2, 'y').c_str());
    sink = global.spare[0];
}

// The exit code of the attack `name`: 0 when it got past.
DWORD Attack(const std::wstring& name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring filter = L"--gtest_filter=HardeningAttack.DISABLED_" + name;
    return static_cast<DWORD>(_wspawnl(_P_WAIT, self, L"self", L"--gtest_also_run_disabled_tests",
                                       filter.c_str(), nullptr));
}

TEST(Hardening, EachMeasureStopsTheOverrunOnlyItCanStop) {
    EXPECT_NE(__stack_chk_guard, nullptr);  // seeded before the program starts
    // Both end the process with the status Windows uses; without them, a
    // smashed return address or a silent overrun.
    EXPECT_EQ(Attack(L"SmashTheStack"), 0xC0000409u);
    EXPECT_EQ(Attack(L"OverrunAMember"), 0xC0000409u);
}

}  // namespace
}  // namespace tessaly
