// The URL adapter reaches the stand-in browser the Wine harness registers
// for http, which appends each address it is given to a file.
#include "core/author_info.h"
#include "platform/win32/win32_url_opener.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

namespace tessaly::win32 {
namespace {

constexpr char kOpenedUrls[] = "C:\\tessaly-test\\opened-urls.txt";

std::string ReadOpenedUrls() {
    std::ifstream file(kOpenedUrls, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return text;
}

TEST(UrlOpener, HandsTheExactAddressToTheDefaultBrowser) {
    DeleteFileA(kOpenedUrls);
    Win32UrlOpener opener;
    ASSERT_TRUE(opener.Open(kFeedbackPage));
    // The browser runs as its own process: wait for it to record the address.
    std::string recorded;
    for (int attempt = 0; attempt < 100 && recorded.empty(); ++attempt) {
        Sleep(100);
        recorded = ReadOpenedUrls();
    }
    EXPECT_EQ(recorded, std::string(kFeedbackPage) + "\r\n");
}

}  // namespace
}  // namespace tessaly::win32
