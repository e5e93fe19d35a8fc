#include "ui/launcher_app.h"

#include <windows.h>

#include <cstdlib>

// Tessaly throws nothing, so nothing should reach std::terminate. Should it
// happen anyway, end at once: libstdc++'s default handler would describe the
// exception and link the whole C++ demangler (some 46 KB) in to do so.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static tessaly::LauncherApp app;
    return app.Run();
}
