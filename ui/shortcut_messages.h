#pragma once

#include "platform/shell_link_writer.h"

#include <string>

// What the user is told about a shortcut.
namespace tessaly {

// "生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问" + the author's web address.
std::string ShortcutCreatedMessage();

// "生成快捷方式失败!系统无法创建快捷方式对象,错误代码:0x…"
std::string ShortcutObjectFailedMessage(HResult hr);
// "生成快捷方式失败!无法设置快捷方式的内容,错误代码:0x…"
std::string ShortcutContentFailedMessage(HResult hr);
// "生成快捷方式失败!无法保存快捷方式文件" + path + "错误代码:0x…", on three lines.
std::string ShortcutSaveFailedMessage(const std::string& linkFilePath, HResult hr);
// "生成快捷方式失败!快捷方式的文件路径超过259个字符,请缩短路径:" + path.
std::string ShortcutPathTooLongMessage(const std::string& linkFilePath);
// "生成快捷方式失败!QQ程序的路径超过259个字符,请缩短安装路径:" + target.
std::string TargetPathTooLongMessage(const std::string& targetPath);
// The shell link did not keep the target it was given.
std::string TargetNotTakenMessage(const std::string& targetPath);
// "生成快捷方式失败!无法读回保存的快捷方式文件" + path + "错误代码:0x…", on three lines.
std::string ShortcutReadBackFailedMessage(const std::string& linkFilePath, HResult hr);
// The saved file holds another target than the one the shell link took.
std::string TargetNotSavedMessage(const std::string& targetPath);
// The saved file holds other arguments or another description.
std::string ContentNotSavedMessage(const std::string& linkFilePath);
// The password holds characters the system's code page cannot spell, so the
// client could never be given its hash.
std::string PasswordNotInCodePageMessage();

}  // namespace tessaly
