// Built like Tessaly.exe, with its stack guard. Each way of running it does
// what one hardening measure stops, and ends with 0 only if it got past:
//   guard    ends with 0 when the canary was seeded;
//   smash    overruns a stack buffer by hand, past the canary (stack protector);
//   overrun  overruns a global buffer through strcpy, where no canary lies
//            (the checked buffer functions of _FORTIFY_SOURCE).
// A fault ends it with the exception's code.
#include <windows.h>

#include <cstring>
#include <string>

extern "C" void* __stack_chk_guard;

namespace {

volatile std::size_t runtimeLength = 64;  // unknown to the compiler
volatile char sink;                       // keeps the buffers in use
// Overrun within the object, so that only a check that knows the member's
// size can see it.
struct {
    char buffer[16];
    char spare[64];
} global;

__attribute__((noinline)) void SmashStack() {
    char buffer[16];
    for (std::size_t i = 0; i < runtimeLength; ++i) {
        buffer[i] = 'x';
    }
    sink = buffer[0];
}

LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(EndWithExceptionCode);
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "guard") {
        return __stack_chk_guard != nullptr ? 0 : 3;
    }
    if (what == "smash") {
        SmashStack();
    } else if (what == "overrun") {
        std::strcpy(global.buffer, std::string(runtimeLength / 2, 'y').c_str());
        sink = global.spare[0];
    }
    return 0;
}
