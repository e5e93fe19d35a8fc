#include "platform/win32/win32_code_page_encoder.h"

#include "platform/win32/utf_conversion.h"

namespace tessaly::win32 {

std::optional<SecretText> EncodeInCodePage(std::wstring_view text, UINT codePage) {
    if (text.empty()) {
        return SecretText();
    }
    // UTF-8 (also the ANSI code page under Windows' "worldwide language
    // support" option) refuses the default-character arguments: there every
    // well-formed text fits, and only a lone surrogate can fail.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultArgument = utf8 ? nullptr : &usedDefault;

    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr,
                                         usedDefaultArgument);
    if (size <= 0) {
        return std::nullopt;
    }
    SecretText bytes(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), size, nullptr,
                            usedDefaultArgument) != size ||
        usedDefault) {
        return std::nullopt;
    }
    return bytes;
}

UINT SystemCodePage() {
    return GetACP();
}

std::optional<SecretText> Win32CodePageEncoder::Encode(const SecretText& utf8) {
    return EncodeInCodePage(SecretUtf8ToWide(utf8.view()).view(), systemCodePage_());
}

}  // namespace tessaly::win32
