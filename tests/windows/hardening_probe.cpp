// Built like Tessaly.exe, with its stack guard: `guard` prints the canary,
// `smash` overruns a stack buffer, `overrun` a checked memcpy. The last two
// must end the process before they return.
#include <cstdio>
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
        std::printf("%p\n", __stack_chk_guard);
    } else if (what == "smash") {
        SmashStack();
        std::printf("returned\n");
    } else if (what == "overrun") {
        OverrunBuffer(std::string(128, 'y').c_str());
        std::printf("returned\n");
    }
    return 0;
}
