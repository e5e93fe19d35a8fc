// The stack protector's canary and its two failure hooks, in place of the
// ones in MinGW's libssp: that object seeds the canary through
// CryptAcquireContextA, and the program calls no ANSI function of the
// system. With these defined, the linker never takes it from libssp.
#include <windows.h>
#include <ntsecapi.h>

extern "C" {

// Read in every protected function's epilogue; random from start-up on.
void* __stack_chk_guard = nullptr;

// A smashed stack or an overrun caught by a checked buffer function: end at
// once, with the status Windows itself uses, and run nothing more.
[[noreturn]] void __stack_chk_fail() {
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

[[noreturn]] void __chk_fail() {
    __stack_chk_fail();
}

}  // extern "C"

namespace {

// Runs before WinMain, from the start-up code, so no protected function's
// frame spans the change; its own frame does, so it must not be protected.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
    if (!RtlGenRandom(&__stack_chk_guard, sizeof __stack_chk_guard) ||
        __stack_chk_guard == nullptr) {
        // Never a known value: fall back on what differs from run to run.
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        __stack_chk_guard = reinterpret_cast<void*>(
            static_cast<UINT_PTR>(now.LowPart ^ GetCurrentProcessId() << 16 ^ GetTickCount()) | 1);
    }
}

}  // namespace
