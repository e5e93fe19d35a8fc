#include "ui/user_texts.h"

#include "core/author_info.h"
#include "ui/breakable_path.h"

#include <cstdint>

namespace tessaly {

const char kMessageCaption[] = "Tessaly";
const char kFolderPickerTitle[] = "请选择QQ的安装路径";
const char kInstallFolderUnknownText[] = "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!";

namespace {

constexpr char kDesktopUnknown[] = "桌面路径获取失败!快捷方式将生成在C盘根目录下!";
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

std::string OutcomeText(const ShortcutOutcome& outcome) {
    // A path breaks where a box may wrap it, so no box is wider than the screen.
    const std::string path = BreakablePath(outcome.path);
    switch (outcome.step) {
        case ShortcutStep::Created:
            return std::string("生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问") +
                   kAuthorWebAddress;
        case ShortcutStep::PasswordNotInCodePage:
            return kFailed + std::string(
                                 "密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,"
                                 "请修改密码后再试!");
        case ShortcutStep::TargetPathTooLong:
            return kFailed + std::string("QQ程序的路径超过259个字符,请缩短安装路径:\n") + path;
        case ShortcutStep::LinkPathTooLong:
            return kFailed + std::string("快捷方式的文件路径超过259个字符,请缩短路径:\n") + path;
        case ShortcutStep::CreateObject:
            return kFailed + std::string("系统无法创建快捷方式对象,") + ErrorCode(outcome.code);
        case ShortcutStep::SetContent:
            return kFailed + std::string("无法设置快捷方式的内容,") + ErrorCode(outcome.code);
        case ShortcutStep::TargetNotTaken:
            return kFailed + std::string("快捷方式无法指向QQ程序,请检查安装路径:\n") + path;
        case ShortcutStep::Save:
            return kFailed + std::string("无法保存快捷方式文件\n") + path + "\n" +
                   ErrorCode(outcome.code);
        case ShortcutStep::ReadBack:
            return kFailed + std::string("无法读回保存的快捷方式文件\n") + path + "\n" +
                   ErrorCode(outcome.code);
        case ShortcutStep::TargetNotSaved:
            return kFailed +
                   std::string("快捷方式保存后读出的QQ程序路径与所选路径不一致,请检查安装路径:\n") +
                   path;
        case ShortcutStep::ContentNotSaved:
            return kFailed + std::string("快捷方式保存后读出的参数或说明与写入的不一致:\n") + path;
    }
    return {};
}

}  // namespace

std::vector<std::string> ShortcutOutcomeTexts(const ShortcutOutcome& outcome) {
    // The desktop's warning first, as the shortcut's place was chosen first.
    std::vector<std::string> texts;
    if (outcome.desktopUnknown) {
        texts.push_back(kDesktopUnknown);
    }
    texts.push_back(OutcomeText(outcome));
    return texts;
}

}  // namespace tessaly
