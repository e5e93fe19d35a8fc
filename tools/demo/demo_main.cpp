// A scripted demonstration of Tessaly.exe, for machines without a display and
// as the smoke test of the real executable: starts it, types a sample account
// into its dialog, saves a picture of it, presses the create button, prints
// every message the program shows and closes it. Exits with 0 only when the
// program said it created the shortcut and then ended.
//
//     tessaly_demo.exe TESSALY.exe SCREENSHOT.bmp
#include "text/utf_conversion.h"
#include "resources/resource.h"
#include "tools/driver/window_driver.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using tessaly::text::Utf8ToWide;
namespace driver = tessaly::driver;

// The window's picture as a 24-bit BMP, read off the screen.
void SaveBitmap(HWND window, const std::string& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = rect.right - rect.left;
    header.biHeight = rect.bottom - rect.top;  // bottom-up, as BMP files keep rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD imageSize = ((header.biWidth * 3 + 3) & ~3) * header.biHeight;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + imageSize;
    if (FILE* out = _wfopen(Utf8ToWide(path).c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(bits, imageSize, 1, out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TESSALY.exe SCREENSHOT.bmp\n", argv[0]);
        return 2;
    }
    driver::Program program(argv[1]);
    if (!program.started()) {
        std::fprintf(stderr, "could not start %s\n", argv[1]);
        return 1;
    }
    // A missing install folder is reported before the dialog shows.
    std::vector<driver::MessageBoxSeen> shownFirst;
    HWND dialog = program.WaitForMainWindow(&shownFirst);
    for (const driver::MessageBoxSeen& box : shownFirst) {
        std::printf("message: %s\n", box.text.c_str());
    }
    std::string outcome;
    if (dialog != nullptr) {
        std::printf("dialog: %s\n", driver::Text(dialog).c_str());
        driver::Type(GetDlgItem(dialog, IDC_QQ_NUMBER), "123456789");
        driver::Type(GetDlgItem(dialog, IDC_PASSWORD), "demo-password");
        Sleep(500);  // let the typing be painted
        SaveBitmap(dialog, argv[2]);
        PostMessageW(GetDlgItem(dialog, IDC_CREATE_SHORTCUT), BM_CLICK, 0, 0);
        // Boxes until the outcome, which begins "生成" whether it went well or not.
        for (const driver::MessageBoxSeen& box :
             driver::AnswerBoxesUntil(program.windows(), "生成")) {
            std::printf("message: %s\n", box.text.c_str());
            outcome = box.text;
        }
        PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);  // "退出"
    }
    return program.WaitUntilEnded() && outcome.rfind("生成QQ快捷登陆器成功", 0) == 0 ? 0 : 1;
}
