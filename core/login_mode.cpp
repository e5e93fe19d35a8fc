#include "core/login_mode.h"

namespace tessaly {

namespace {

// Code page 936 bytes of "正常登陆QQ " and "隐身登陆QQ ": the prefixes are the
// same bytes whatever the system's code page, so they are spelled out here.
constexpr char kNormalPrefix[] = "\xD5\xFD\xB3\xA3\xB5\xC7\xC2\xBDQQ ";
constexpr char kInvisiblePrefix[] = "\xD2\xFE\xC9\xED\xB5\xC7\xC2\xBDQQ ";

}  // namespace

std::string StatusCode(int loginMode) {
    switch (loginMode) {
        case Normal:
            return "10";
        case Invisible:
            return "40";
        default:
            return {};
    }
}

std::string LinkNamePrefix(int loginMode) {
    switch (loginMode) {
        case Normal:
            return kNormalPrefix;
        case Invisible:
            return kInvisiblePrefix;
        default:
            return {};
    }
}

}  // namespace tessaly
