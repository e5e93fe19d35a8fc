#include "core/login_mode.h"

namespace tessaly {

namespace {

// Both end with one space: the account number follows.
constexpr char kNormalPrefix[] = "正常登陆QQ ";
constexpr char kInvisiblePrefix[] = "隐身登陆QQ ";

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
