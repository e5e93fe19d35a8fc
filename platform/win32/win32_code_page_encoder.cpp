#include "platform/win32/win32_code_page_encoder.h"

#include "text/utf_conversion.h"

namespace tessaly::win32 {

HResult EncodeInCodePage(std::wstring_view text, UINT codePage, SecretText* bytes) {
    if (text.empty()) {
        *bytes = SecretText();
        return S_OK;
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
        return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
    }
    SecretText spelled(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(codePage, flags, text.data(), length, spelled.data(), size, nullptr,
                            usedDefaultArgument) != size ||
        usedDefault) {
        return HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION);
    }
    *bytes = std::move(spelled);
    return S_OK;
}

UINT SystemCodePage() {
    return GetACP();
}

HResult Win32CodePageEncoder::Encode(const SecretText& utf8, SecretText* bytes) {
    return EncodeInCodePage(text::Utf8ToWide<SecretWideText>(utf8.view()).view(), systemCodePage_(),
                            bytes);
}

}  // namespace tessaly::win32
