// Reads the memory of a running Tessaly.exe after it has made a shortcut, as
// someone with the user's rights could, for what the program's own code
// leaves: the password only where the open dialog keeps it, its member
// (UTF-8) and the edit control (UTF-16), and no UTF-8 copy of the password's
// hash or of the client's command line, texts only the program spells in
// UTF-8 (SecretText wipes them when they go). The shell link object's own
// UTF-16 copies are its module's memory, not the program's to clear.
//
//     tessaly_memory_scan.exe TESSALY.exe
#include "resources/resource.h"
#include "tools/driver/window_driver.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Written out literally: the hash is Python's base64(md5(password)).
constexpr char kPassword[] = "memory-scan-pw7";
constexpr char kPasswordUtf16[] =
    "m\0e\0m\0o\0r\0y\0-\0s\0c\0a\0n\0-\0p\0w\0"
    "7";
constexpr char kHash[] = "Ld6j1mobm3ue8r10fEVNQw==";
constexpr char kArguments[] = " /START QQUIN:123456789 PWDHASH:Ld6j1mobm3ue8r10fEVNQw== /STAT:10";

// How often `pattern` occurs in the committed, readable memory of `process`.
int Occurrences(HANDLE process, const std::string& pattern) {
    int found = 0;
    MEMORY_BASIC_INFORMATION region;
    for (char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State != MEM_COMMIT || (region.Protect & (PAGE_NOACCESS | PAGE_GUARD))) {
            continue;
        }
        std::string bytes(region.RegionSize, '\0');
        SIZE_T read = 0;
        ReadProcessMemory(process, region.BaseAddress, bytes.data(), bytes.size(), &read);
        bytes.resize(read);
        for (auto hit = bytes.find(pattern); hit != std::string::npos;
             hit = bytes.find(pattern, hit + 1)) {
            ++found;
        }
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    namespace driver = tessaly::driver;
    driver::Program program(argc > 1 ? argv[1] : "Tessaly.exe");
    std::vector<driver::MessageBoxSeen> shownFirst;  // no folder known
    HWND dialog = program.WaitForMainWindow(&shownFirst);
    int status = 1;
    if (dialog != nullptr) {
        driver::Type(GetDlgItem(dialog, IDC_QQ_NUMBER), "123456789");
        driver::Type(GetDlgItem(dialog, IDC_PASSWORD), kPassword);
        PostMessageW(GetDlgItem(dialog, IDC_CREATE_SHORTCUT), BM_CLICK, 0, 0);
        // Only a shortcut made shows what its making left behind.
        const auto boxes = driver::AnswerBoxesUntil(program.windows(), "生成");
        status = boxes.empty() || boxes.back().text.rfind("生成QQ快捷登陆器成功!", 0) != 0;
        std::printf("message: %s\n", boxes.empty() ? "(none)" : boxes.back().text.c_str());
        const struct {
            const char* what;
            std::string pattern;
            int allowed;
        } secrets[] = {
            {"the hash", kHash, 0},
            {"the command line", kArguments, 0},
            {"the password (the dialog's member)", kPassword, 1},
            {"the password in UTF-16 (the edit control)", std::string(kPasswordUtf16, 30), 1},
        };
        for (const auto& secret : secrets) {
            const int found = Occurrences(program.handle(), secret.pattern);
            std::printf("%-45s %d (at most %d)\n", secret.what, found, secret.allowed);
            status |= found > secret.allowed;
        }
        PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    }
    program.WaitUntilEnded();
    return status;
}
