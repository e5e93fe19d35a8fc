// The hardening Tessaly.exe is built with, proven on a probe built the same
// way: a seeded canary, and an overrun ends the process before it goes on.
#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>

#include <string>

namespace tessaly {
namespace {

// The probe's exit code; it lies beside this test program.
DWORD RunProbe(const wchar_t* what) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring probe = path;
    probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"tessaly_hardening_probe.exe";
    return static_cast<DWORD>(_wspawnl(_P_WAIT, probe.c_str(), L"probe", what, nullptr));
}

TEST(Hardening, CanaryIsSeededAndOverrunsEndTheProcess) {
    EXPECT_EQ(RunProbe(L"guard"), 0u);
    for (const wchar_t* what : {L"smash", L"overrun"}) {
        EXPECT_EQ(RunProbe(what), static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN));
    }
}

}  // namespace
}  // namespace tessaly
