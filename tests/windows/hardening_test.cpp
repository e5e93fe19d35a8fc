// The hardening Tessaly.exe is built with, each measure proven by an attack
// only it stops: the probe, built the same way, tries them one by one.
// (No-execute data, address randomisation and terminal server awareness are
// header bits of Tessaly.exe, which tests/support/check-exe.py checks.)
#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>

#include <string>

namespace tessaly {
namespace {

// The probe's exit code: 0 when it got past, or the code it was stopped with.
// It lies beside this test program.
DWORD RunProbe(const wchar_t* what) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring probe = path;
    probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"tessaly_hardening_probe.exe";
    return static_cast<DWORD>(_wspawnl(_P_WAIT, probe.c_str(), L"probe", what, nullptr));
}

TEST(Hardening, EachMeasureStopsTheOverrunOrCodeOnlyItCanStop) {
    EXPECT_EQ(RunProbe(L"guard"), 0u);
    // Canary, checked strcpy: both end the process with the status Windows
    // uses; without them, a smashed return address or a silent overrun.
    EXPECT_EQ(RunProbe(L"smash"), 0xC0000409u);
    EXPECT_EQ(RunProbe(L"overrun"), 0xC0000409u);
}

}  // namespace
}  // namespace tessaly
