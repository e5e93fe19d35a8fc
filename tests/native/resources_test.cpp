// Checks of Tessaly's resource script and resource.h, read as text: the
// author's texts come from core/author_info.h, the main dialog holds the
// designed controls with the styles the code relies on, the ids have the
// values the code uses.
#include "core/author_info.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tessaly {
namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The value resource.h (or the system, for IDOK and IDCANCEL) gives an id name.
long Id(const std::string& name) {
    static const std::map<std::string, long> ids = [] {
        std::map<std::string, long> found = {{"IDOK", 1}, {"IDCANCEL", 2}};
        const std::string header = ReadFile(TESSALY_RESOURCE_H_PATH);
        const std::regex define(R"(#define\s+(\w+)\s+\(?(-?\w+)\)?\s*\n)");
        for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
            found[(*it)[1]] = std::stol((*it)[2], nullptr, 0);
        }
        return found;
    }();
    return ids.count(name) != 0 ? ids.at(name) : -9999;
}

// The lines between BEGIN and END of a dialog template.
std::string TemplateBody(const std::string& rc, const std::string& name) {
    const std::size_t begin = rc.find("\nBEGIN", rc.find("\n" + name + " DIALOG"));
    const std::size_t end = rc.find("\nEND", begin);
    EXPECT_NE(end, std::string::npos) << "no template " << name;
    return end == std::string::npos ? "" : rc.substr(begin + 6, end - begin - 6);
}

// The tab stop and button type windres adds to a statement's written style
// (a statement not named here adds none that the checks below look at).
const std::map<std::string, std::string> kDefaultStyles = {
    {"PUSHBUTTON", "WS_TABSTOP"},
    {"EDITTEXT", "WS_TABSTOP"},
    {"DEFPUSHBUTTON", "BS_DEFPUSHBUTTON WS_TABSTOP"},
    {"AUTORADIOBUTTON", "BS_AUTORADIOBUTTON WS_TABSTOP"}};

using Row = std::tuple<long, std::string, std::vector<int>>;  // id, text, x, y, width, height

// The controls of template 102 as rows, with each one's style: " <defaults>
// <written flags> ", NOTs included. One statement a line: keyword, text (not
// for EDITTEXT), id, class and style (CONTROL only), x, y, width, height, style.
std::vector<std::pair<Row, std::string>> MainControls() {
    const std::regex statement(
        R"re(\s*(\w+)\s+(?:"([^"]*)"\s*,)?\s*(\w+)\s*,(?:\s*"\w+"\s*,([^,]*),)?)re"
        R"re(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*(?:,([^,]*))?\s*)re");
    std::vector<std::pair<Row, std::string>> controls;
    std::istringstream lines(TemplateBody(ReadFile(TESSALY_RC_PATH), "IDD_LAUNCHER_MAIN"));
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, m, statement)) {
            const auto defaults = kDefaultStyles.find(m[1]);
            const std::string style = " " + m.str(4) + " " + m.str(9) + " " +
                                      (defaults != kDefaultStyles.end() ? defaults->second : "");
            controls.push_back(
                {{Id(m[3]),
                  m[2],
                  {std::stoi(m[5]), std::stoi(m[6]), std::stoi(m[7]), std::stoi(m[8])}},
                 std::regex_replace(style + " ", std::regex(R"([|\r])"), " ")});
        } else {
            EXPECT_EQ(line.find_first_not_of(" \t\r"), std::string::npos) << "unread: " << line;
        }
    }
    return controls;
}

const std::string kCredit = kAuthorCredit;
const std::string kContactLine =
    std::string("联系作者:") + kAuthorEmail + "     " + kAuthorWebAddress;
const std::string kDisclaimer =
    std::string("    声明:本程序绝不含任何后门程序,全部源码在官方网站:") + kAuthorWebAddress +
    "提供下载学习交流,欢迎提出修改意见.加密过程是采用QQ官方高强度多次MD5加密,"
    "暂时也没有算法能够破解,希望大家在使用本软件的时候不要忘记原密码."
    "对任何因为使用本软件产生的纠纷,作者一概不负责.";

TEST(ResourceScript, AuthorTextsAreTheOnesOfAuthorInfo) {
    const std::string rc = ReadFile(TESSALY_RC_PATH);
    const std::string caption =
        "CAPTION \"Tessaly V\" TESSALY_VERSION_SHORT \" " + kCredit + " " + kAuthorWebAddress + '"';
    EXPECT_NE(rc.find(caption), std::string::npos) << caption;
    const std::string main = TemplateBody(rc, "IDD_LAUNCHER_MAIN");
    EXPECT_NE(main.find('"' + kDisclaimer + '"'), std::string::npos) << kDisclaimer;
    EXPECT_NE(main.find('"' + kContactLine + '"'), std::string::npos) << kContactLine;
    EXPECT_NE(TemplateBody(rc, "IDD_LAUNCHER_ABOUT").find('"' + kCredit + ' '), std::string::npos)
        << "the about box's second line begins with " << kCredit;
}

TEST(MainTemplate, HoldsTheDesignedControlsInOrderAtTheirPlaces) {
    const std::vector<Row> expected = {
        {2, "退出", {223, 260, 50, 14}},
        {-1, "请选择QQ安装文件夹:", {15, 22, 77, 8}},
        {1000, "", {93, 19, 144, 14}},
        {1001, "选择", {251, 18, 24, 14}},
        {1002, "", {93, 43, 143, 14}},
        {-1, "QQ号码:", {17, 47, 29, 8}},
        {1003, "", {93, 66, 144, 14}},
        {-1, "QQ密码:", {17, 70, 29, 8}},
        {1006, "创建快捷方式到桌面", {188, 100, 87, 20}},
        {-1, "说明", {15, 137, 259, 107}},
        {-1,
         "    使用本软件可以在桌面建立一个快捷方式,以后登录QQ只要双击快捷方式即可,"
         "避免每次都要输入密码的麻烦,同时避免被盗号的风险.",
         {20, 151, 247, 16}},
        {-1, "    本软件采用QQ官方高强度加密算法加密,请放心使用.", {19, 168, 246, 8}},
        {-1, kDisclaimer, {19, 177, 248, 40}},
        {1007, "作者主页", {16, 259, 50, 14}},
        {1008, "更多开源程序", {82, 260, 54, 14}},
        {1009, "问题反馈", {153, 259, 54, 14}},
        {-1, kContactLine, {33, 219, 190, 18}},
        {-1, "登陆模式", {15, 89, 145, 40}},
        {1004, "正常登陆", {25, 105, 65, 10}},
        {1005, "隐身登陆", {99, 105, 48, 10}},
    };
    const auto controls = MainControls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(controls[n].first, expected[n]) << "control #" << n;
    }
}

// The ids of the main dialog's controls whose style has `flag`, in template order.
std::vector<long> IdsWith(const std::string& flag) {
    std::vector<long> ids;
    for (const auto& [row, style] : MainControls()) {
        if (style.find(" " + flag + " ") != std::string::npos &&
            style.find(" NOT " + flag + " ") == std::string::npos) {
            ids.push_back(std::get<0>(row));
        }
    }
    return ids;
}

TEST(MainTemplate, HasTheStylesTheDialogReliesOn) {
    EXPECT_EQ(IdsWith("WS_TABSTOP"),
              (std::vector<long>{2, 1001, 1002, 1003, 1006, 1007, 1008, 1009}));
    EXPECT_EQ(IdsWith("WS_DISABLED"), std::vector<long>{1000});
    EXPECT_EQ(IdsWith("ES_NUMBER"), std::vector<long>{1002});
    EXPECT_EQ(IdsWith("ES_PASSWORD"), std::vector<long>{1003});
    EXPECT_EQ(IdsWith("BS_AUTORADIOBUTTON"), (std::vector<long>{1004, 1005}));
    EXPECT_EQ(IdsWith("WS_GROUP"), (std::vector<long>{1004, 1005})) << "each starts a group";
    EXPECT_EQ(IdsWith("BS_DEFPUSHBUTTON"), std::vector<long>{}) << "no default button";
}

TEST(ResourceHeader, GivesTheIdsTheValuesTheProgramUses) {
    const std::map<std::string, long> expected = {
        {"IDD_LAUNCHER_ABOUT", 100}, {"IDS_ABOUT_MENU", 101},      {"IDD_LAUNCHER_MAIN", 102},
        {"IDI_LAUNCHER", 128},       {"IDM_ABOUT", 0x10},          {"IDC_INSTALL_FOLDER", 1000},
        {"IDC_BROWSE", 1001},        {"IDC_QQ_NUMBER", 1002},      {"IDC_PASSWORD", 1003},
        {"IDC_MODE_NORMAL", 1004},   {"IDC_MODE_INVISIBLE", 1005}, {"IDC_CREATE_SHORTCUT", 1006},
        {"IDC_HOME_PAGE", 1007},     {"IDC_MORE_PROGRAMS", 1008},  {"IDC_FEEDBACK", 1009},
        {"IDC_STATIC", -1}};
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(Id(name), value) << name;
    }
}

}  // namespace
}  // namespace tessaly
