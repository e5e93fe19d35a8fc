// Built like Tessaly.exe, with its stack guard. Its exit code tells the
// hardening tests what happened: `guard` ends with 0 when the canary was
// seeded, `smash` and `overrun` overrun a stack buffer, by hand and through a
// checked memcpy, and end with 0 only if they got past it.
#include <cstring>
#include <string>

extern "C" void* __stack_chk_guard;

namespace {

volatile std::size_t runtimeLength = 64;  // unknown to the compiler
volatile char sink;                       // keeps the buffers in use

__attribute__((noinline)) void SmashStack() {
    char buffer[16];
    for (std::size_t i = 0; i < runtimeLength; ++i) {
        buffer[i] = 'x';
    }
    sink = buffer[0];
}

__attribute__((noinline)) void OverrunBuffer(const char* source) {
    char buffer[16];
    std::memcpy(buffer, source, runtimeLength);
    sink = buffer[0];
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "guard") {
        return __stack_chk_guard != nullptr ? 0 : 3;
    }
    if (what == "smash") {
        SmashStack();
    } else if (what == "overrun") {
        OverrunBuffer(std::string(128, 'y').c_str());
    }
    return 0;
}
