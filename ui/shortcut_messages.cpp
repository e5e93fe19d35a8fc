#include "ui/shortcut_messages.h"

#include "core/author_info.h"
#include "ui/breakable_path.h"

#include <cstdint>

namespace tessaly {

namespace {

constexpr char kFailed[] = "生成快捷方式失败!";

// "错误代码:0x80070003". Formatted by hand: printf would bring MinGW's whole
// formatting engine into the executable for this one number.
std::string ErrorCode(HResult hr) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "错误代码:0x";
    const auto value = static_cast<std::uint32_t>(hr);
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += kDigits[(value >> shift) & 0xF];
    }
    return text;
}

}  // namespace

std::string ShortcutCreatedMessage() {
    return std::string("生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问") +
           kAuthorWebAddress;
}

std::string ShortcutObjectFailedMessage(HResult hr) {
    return kFailed + std::string("系统无法创建快捷方式对象,") + ErrorCode(hr);
}

std::string ShortcutContentFailedMessage(HResult hr) {
    return kFailed + std::string("无法设置快捷方式的内容,") + ErrorCode(hr);
}

std::string ShortcutSaveFailedMessage(const std::string& linkFilePath, HResult hr) {
    return kFailed + std::string("无法保存快捷方式文件\n") + BreakablePath(linkFilePath) + "\n" +
           ErrorCode(hr);
}

std::string ShortcutPathTooLongMessage(const std::string& linkFilePath) {
    return kFailed + std::string("快捷方式的文件路径超过259个字符,请缩短路径:\n") +
           BreakablePath(linkFilePath);
}

std::string TargetPathTooLongMessage(const std::string& targetPath) {
    return kFailed + std::string("QQ程序的路径超过259个字符,请缩短安装路径:\n") +
           BreakablePath(targetPath);
}

std::string TargetNotTakenMessage(const std::string& targetPath) {
    return kFailed + std::string("快捷方式无法指向QQ程序,请检查安装路径:\n") +
           BreakablePath(targetPath);
}

std::string ShortcutReadBackFailedMessage(const std::string& linkFilePath, HResult hr) {
    return kFailed + std::string("无法读回保存的快捷方式文件\n") + BreakablePath(linkFilePath) +
           "\n" + ErrorCode(hr);
}

std::string TargetNotSavedMessage(const std::string& targetPath) {
    return kFailed +
           std::string("快捷方式保存后读出的QQ程序路径与所选路径不一致,请检查安装路径:\n") +
           BreakablePath(targetPath);
}

std::string ContentNotSavedMessage(const std::string& linkFilePath) {
    return kFailed + std::string("快捷方式保存后读出的参数或说明与写入的不一致:\n") +
           BreakablePath(linkFilePath);
}

std::string PasswordNotInCodePageMessage() {
    return kFailed + std::string(
                         "密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,"
                         "请修改密码后再试!");
}

}  // namespace tessaly
