#include "tests/support/gbk_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <vector>

namespace tessaly::test {

namespace {
constexpr char kInvalid[] = "<invalid GBK>";
}

#ifdef _WIN32

std::string GbkToUtf8(const std::string& gbk) {
    if (gbk.empty()) {
        return {};
    }
    const int wideLength = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(),
                                               static_cast<int>(gbk.size()), nullptr, 0);
    if (wideLength <= 0) {
        return kInvalid;
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), wideLength);
    const int utf8Length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr,
                        nullptr);
    return utf8;
}

#else

std::string GbkToUtf8(const std::string& gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return kInvalid;
    }
    std::string input = gbk;
    std::vector<char> output(gbk.size() * 3 + 1);
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return kInvalid;
    }
    return std::string(output.data(), output.size() - outLeft);
}

#endif

}  // namespace tessaly::test
