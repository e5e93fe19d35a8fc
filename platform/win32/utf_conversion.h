#pragma once

#include <string>
#include <string_view>

namespace tessaly::win32 {

// The program keeps text as UTF-8 and hands Windows UTF-16: these two are the
// only crossings. Invalid input never fails a conversion: an ill-formed
// sequence becomes U+FFFD, as Windows itself does.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace tessaly::win32
