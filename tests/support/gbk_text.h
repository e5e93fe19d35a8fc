#pragma once

#include <string>

namespace tessaly::test {

// Converts code page 936 (GBK) bytes to UTF-8, so tests can compare the
// program's stored texts with the characters they are meant to be.
// Returns "<invalid GBK>" when the bytes do not convert.
std::string GbkToUtf8(const std::string& gbk);

}  // namespace tessaly::test
