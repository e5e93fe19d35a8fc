// The hardening Tessaly.exe is built with, proven on a probe built the same
// way: a random canary per process, and an overrun ends the process at once.
#include "platform/win32/utf_conversion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tessaly {
namespace {

struct ProbeRun {
    DWORD exitCode = 0;
    std::string output;
};

ProbeRun RunProbe(const wchar_t* what) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring probe = self;
    probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"tessaly_hardening_probe.exe";
    std::wstring commandLine = L"\"" + probe + L"\" " + what;

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process = {};
    ProbeRun run;
    if (CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(writeEnd);
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            run.output.append(buffer, read);
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        CloseHandle(writeEnd);
        run.exitCode = ~0u;
    }
    CloseHandle(readEnd);
    return run;
}

TEST(Hardening, EveryProcessGetsARandomCanary) {
    const ProbeRun first = RunProbe(L"guard");
    const ProbeRun second = RunProbe(L"guard");
    ASSERT_EQ(first.exitCode, 0u);
    EXPECT_NE(first.output, second.output);
    EXPECT_NE(std::stoul(first.output, nullptr, 16), 0u) << first.output;
}

TEST(Hardening, OverrunsEndTheProcessBeforeItGoesOn) {
    for (const wchar_t* what : {L"smash", L"overrun"}) {
        const ProbeRun run = RunProbe(what);
        EXPECT_EQ(run.exitCode, static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN))
            << win32::WideToUtf8(what);
        EXPECT_EQ(run.output, "") << win32::WideToUtf8(what);
    }
}

}  // namespace
}  // namespace tessaly
