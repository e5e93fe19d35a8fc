#pragma once

// What the user must read, written out once for every C++ test, never taken
// from the program's constants; tests/support/product_texts.py has the same
// for the Python checks.

#include <string>

namespace tessaly::texts {

inline const std::string kCreated =
    "生成QQ快捷登陆器成功!请查看桌面!感谢您的使用,更多信息请访问http://www.example.org/";
inline const std::string kDesktopUnknown = "桌面路径获取失败!快捷方式将生成在C盘根目录下!";
inline const std::string kInstallFolderUnknown =
    "QQ默认安装路径获取失败!请选择安装路径或输入安装路径!";

// The failures: each begins "生成快捷方式失败!", as the outcome of a create does.
inline const std::string kFailed = "生成快捷方式失败!";
inline std::string ObjectFailed(const std::string& code) {
    return kFailed + "系统无法创建快捷方式对象,错误代码:0x" + code;
}
inline std::string ContentFailed(const std::string& code) {
    return kFailed + "无法设置快捷方式的内容,错误代码:0x" + code;
}
inline std::string SaveFailed(const std::string& link, const std::string& code) {
    return kFailed + "无法保存快捷方式文件\n" + link + "\n错误代码:0x" + code;
}
inline std::string ReadBackFailed(const std::string& link, const std::string& code) {
    return kFailed + "无法读回保存的快捷方式文件\n" + link + "\n错误代码:0x" + code;
}
inline std::string TargetNotTaken(const std::string& target) {
    return kFailed + "快捷方式无法指向QQ程序,请检查安装路径:\n" + target;
}
inline std::string TargetNotSaved(const std::string& target) {
    return kFailed + "快捷方式保存后读出的QQ程序路径与所选路径不一致,请检查安装路径:\n" + target;
}
inline std::string ContentNotSaved(const std::string& link) {
    return kFailed + "快捷方式保存后读出的参数或说明与写入的不一致:\n" + link;
}
inline std::string LinkPathTooLong(const std::string& link) {
    return kFailed + "快捷方式的文件路径超过259个字符,请缩短路径:\n" + link;
}
inline std::string TargetPathTooLong(const std::string& target) {
    return kFailed + "QQ程序的路径超过259个字符,请缩短安装路径:\n" + target;
}
inline const std::string kPasswordNotInCodePage =
    kFailed + "密码中有本系统的语言编码无法表示的字符,QQ无法用它登陆,请修改密码后再试!";

}  // namespace tessaly::texts
