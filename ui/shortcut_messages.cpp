#include "ui/shortcut_messages.h"

#include "core/author_info.h"

#include <cstdint>

namespace tessaly {

namespace {

// 生成快捷方式失败!
constexpr char kFailed[] = "\xC9\xFA\xB3\xC9\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD\xCA\xA7\xB0\xDC!";
// 错误代码:
constexpr char kErrorCode[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB:";

// "错误代码:0x80070003". Formatted by hand: printf would bring MinGW's whole
// formatting engine into the executable for this one number.
std::string ErrorCode(HResult hr) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = std::string(kErrorCode) + "0x";
    const auto value = static_cast<std::uint32_t>(hr);
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += kDigits[(value >> shift) & 0xF];
    }
    return text;
}

}  // namespace

std::string ShortcutCreatedMessage() {
    return "\xC9\xFA\xB3\xC9QQ\xBF\xEC\xBD\xDD\xB5\xC7\xC2\xBD\xC6\xF7\xB3\xC9\xB9\xA6!\xC7\xEB\xB2"
           "\xE9\xBF\xB4\xD7\xC0\xC3\xE6!\xB8\xD0\xD0\xBB\xC4\xFA\xB5\xC4\xCA\xB9\xD3\xC3,\xB8\xFC"
           "\xB6\xE0\xD0\xC5\xCF\xA2\xC7\xEB\xB7\xC3\xCE\xCA" +
           std::string(kAuthorWebAddress);
}

std::string ShortcutObjectFailedMessage(HResult hr) {
    // 系统无法创建快捷方式对象,
    return kFailed +
           std::string(
               "\xCF\xB5\xCD\xB3\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xBF\xEC\xBD\xDD\xB7\xBD"
               "\xCA\xBD\xB6\xD4\xCF\xF3,") +
           ErrorCode(hr);
}

std::string ShortcutContentFailedMessage(HResult hr) {
    // 无法设置快捷方式的内容,
    return kFailed +
           std::string(
               "\xCE\xDE\xB7\xA8\xC9\xE8\xD6\xC3\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD\xB5\xC4"
               "\xC4\xDA\xC8\xDD,") +
           ErrorCode(hr);
}

std::string ShortcutSaveFailedMessage(const std::string& linkFilePath, HResult hr) {
    // 无法保存快捷方式文件
    return kFailed +
           std::string(
               "\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD\xCE\xC4"
               "\xBC\xFE") +
           "\n" + linkFilePath + "\n" + ErrorCode(hr);
}

std::string ShortcutPathTooLongMessage(const std::string& linkFilePath) {
    // 快捷方式的文件路径超过259个字符,请缩短路径:
    return kFailed +
           std::string(
               "\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD\xB5\xC4\xCE\xC4\xBC\xFE\xC2\xB7\xBE\xB6"
               "\xB3\xAC\xB9\xFD"
               "259\xB8\xF6\xD7\xD6\xB7\xFB,\xC7\xEB\xCB\xF5\xB6\xCC\xC2\xB7\xBE\xB6:") +
           "\n" + linkFilePath;
}

}  // namespace tessaly
