#pragma once

// One table of shortcuts, run through the fakes, the real shell link under
// Wine and the dialog; lnkinfo reads back the files the last two write. Each
// row's file name, target and arguments are written out literally; the
// hashes are Python's base64.b64encode(hashlib.md5(password).digest()), the
// same in every code page for these ASCII passwords.

#include <string>
#include <vector>

namespace tessaly::test {

struct GoldenShortcut {
    std::string installFolder;
    std::string number;
    std::string password;
    int mode;  // 1 normal, 0 invisible, as the dialog stores it
    std::string fileName;
    std::string target;  // as the shell keeps it: a doubled separator is one
    std::string arguments;
};

// Far beyond an edit control's default limit of 30,000 characters.
inline std::string LongestPassword() {
    std::string password;
    for (int i = 0; i < 10000; ++i) {
        password += "p@ss-" + std::to_string(10000 + i);
    }
    return password;
}

// Numbers and passwords of length 0, 1, 2 and the limit, in both modes.
inline const std::vector<GoldenShortcut> kGoldenShortcuts = {
    {"C:\\Program Files\\Tencent\\QQ", "", "", 1, "正常登陆QQ .lnk",
     "C:\\Program Files\\Tencent\\QQ\\QQ.exe",
     " /START QQUIN: PWDHASH:1B2M2Y8AsgTpgAmY7PhCfg== /STAT:10"},
    {"C:\\Program Files\\Tencent\\QQ", "1", "p", 0, "隐身登陆QQ 1.lnk",
     "C:\\Program Files\\Tencent\\QQ\\QQ.exe",
     " /START QQUIN:1 PWDHASH:g4eMkRcTOJAuD+D7l6jEeg== /STAT:40"},
    {"C:\\QQ\\", "12", "pw", 1, "正常登陆QQ 12.lnk", "C:\\QQ\\QQ.exe",
     " /START QQUIN:12 PWDHASH:j+TBFFEoHAlKZXjm3b9e7Q== /STAT:10"},
    {"C:\\Program Files\\Tencent\\QQ", "123456789", "p@ss word", 0, "隐身登陆QQ 123456789.lnk",
     "C:\\Program Files\\Tencent\\QQ\\QQ.exe",
     " /START QQUIN:123456789 PWDHASH:ubhtrWaPEPqOShxLKdEEsw== /STAT:40"},
    {"C:\\Program Files\\Tencent\\QQ", "987654321", LongestPassword(), 1,
     "正常登陆QQ 987654321.lnk", "C:\\Program Files\\Tencent\\QQ\\QQ.exe",
     " /START QQUIN:987654321 PWDHASH:5chiYihIOqufMXohw1J/Aw== /STAT:10"},
};

// The description every shortcut carries: its name, then the web address.
inline std::string DescriptionOf(const GoldenShortcut& row) {
    return row.fileName.substr(0, row.fileName.size() - 4) + "\nhttp://www.example.org/";
}

}  // namespace tessaly::test
