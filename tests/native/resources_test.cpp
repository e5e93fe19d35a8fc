// Checks of Tessaly's resources, run natively.
//
// The first half reads the resource script (UTF-8 text) and resource.h: the
// author's texts must be the ones of core/author_info.h, every id name must
// have the designed value, and the dialog templates must hold the designed
// controls in the designed order and places.
//
// The second half (built when the MinGW resource compiler is installed) reads
// the compiled .res file, i.e. what the program really gets: window styles and
// tab stops after the compiler's defaults, fonts, the string table, the version
// block, the icon image and the manifest.
#include "core/author_info.h"
#include "tests/support/gbk_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tessaly {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// ---------------------------------------------------------------------------
// The design: texts made from the author's information, ids, control layout.

std::string Credit() {
    return test::GbkToUtf8(kAuthorCredit);
}

// The name in the credit "作者:<name>".
std::string AuthorName() {
    const std::string credit = Credit();
    return credit.substr(credit.find(':') + 1);
}

std::string ExpectedMainCaption() {
    return "Tessaly V1.0 " + Credit() + " " + kAuthorWebAddress;
}

std::string ExpectedDisclaimer() {
    return std::string("    声明:本程序绝不含任何后门程序,全部源码在官方网站:") +
           kAuthorWebAddress +
           "提供下载学习交流,欢迎提出修改意见.加密过程是采用QQ官方高强度多次MD5加密,"
           "暂时也没有算法能够破解,希望大家在使用本软件的时候不要忘记原密码."
           "对任何因为使用本软件产生的纠纷,作者一概不负责.";
}

std::string ExpectedContactLine() {
    return std::string("联系作者:") + kAuthorEmail + "     " + kAuthorWebAddress;
}

enum class Kind { PushButton, DefaultPushButton, Text, Edit, GroupBox, AutoRadio, Icon };

struct ExpectedControl {
    Kind kind;
    int id;
    std::string text;
    int x, y, width, height;
};

constexpr int kStatic = -1;
constexpr int kOk = 1;
constexpr int kCancel = 2;

std::vector<ExpectedControl> MainDialogControls() {
    return {
        {Kind::PushButton, kCancel, "退出", 223, 260, 50, 14},
        {Kind::Text, kStatic, "请选择QQ安装文件夹:", 15, 22, 77, 8},
        {Kind::Edit, 1000, "", 93, 19, 144, 14},
        {Kind::PushButton, 1001, "选择", 251, 18, 24, 14},
        {Kind::Edit, 1002, "", 93, 43, 143, 14},
        {Kind::Text, kStatic, "QQ号码:", 17, 47, 29, 8},
        {Kind::Edit, 1003, "", 93, 66, 144, 14},
        {Kind::Text, kStatic, "QQ密码:", 17, 70, 29, 8},
        {Kind::PushButton, 1006, "创建快捷方式到桌面", 188, 100, 87, 20},
        {Kind::GroupBox, kStatic, "说明", 15, 137, 259, 107},
        {Kind::Text, kStatic,
         "    使用本软件可以在桌面建立一个快捷方式,以后登录QQ只要双击快捷方式即可,"
         "避免每次都要输入密码的麻烦,同时避免被盗号的风险.",
         20, 151, 247, 16},
        {Kind::Text, kStatic, "    本软件采用QQ官方高强度加密算法加密,请放心使用.", 19, 168, 246,
         8},
        {Kind::Text, kStatic, ExpectedDisclaimer(), 19, 177, 248, 40},
        {Kind::PushButton, 1007, "作者主页", 16, 259, 50, 14},
        {Kind::PushButton, 1008, "更多开源程序", 82, 260, 54, 14},
        {Kind::PushButton, 1009, "问题反馈", 153, 259, 54, 14},
        {Kind::Text, kStatic, ExpectedContactLine(), 33, 219, 190, 18},
        {Kind::GroupBox, kStatic, "登陆模式", 15, 89, 145, 40},
        {Kind::AutoRadio, 1004, "正常登陆", 25, 105, 65, 10},
        {Kind::AutoRadio, 1005, "隐身登陆", 99, 105, 48, 10},
    };
}

// The about box's second line is free wording; its text is checked separately.
std::vector<ExpectedControl> AboutBoxControls() {
    return {
        {Kind::Icon, kStatic, "", 11, 17, -1, -1},
        {Kind::Text, kStatic, "Tessaly 1.0 版", 40, 10, 119, 8},
        {Kind::Text, kStatic, "", 40, 25, 119, 8},
        {Kind::DefaultPushButton, kOk, "确定", 178, 7, 50, 14},
    };
}

const std::vector<int> kMainTabStops = {2, 1001, 1002, 1003, 1006, 1007, 1008, 1009};

// ---------------------------------------------------------------------------
// resource.h

std::map<std::string, long> ReadDefines(const std::string& header) {
    std::map<std::string, long> defines;
    std::istringstream lines(header);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string directive, name, value;
        if (!(words >> directive >> name >> value) || directive != "#define") {
            continue;
        }
        std::string digits;
        for (char c : value) {
            if (c != '(' && c != ')') {
                digits += c;
            }
        }
        try {
            defines[name] = std::stol(digits, nullptr, 0);
        } catch (const std::exception&) {
            // Not a numeric definition (e.g. the include guard).
        }
    }
    return defines;
}

std::map<std::string, long> Identifiers() {
    std::map<std::string, long> ids = ReadDefines(ReadFile(TESSALY_RESOURCE_H_PATH));
    ids.emplace("IDOK", kOk);  // from the system's headers
    ids.emplace("IDCANCEL", kCancel);
    return ids;
}

TEST(ResourceHeader, NamesEveryIdentifierWithItsDesignedValue) {
    const std::map<std::string, long> expected = {
        {"IDD_LAUNCHER_ABOUT", 100}, {"IDS_ABOUT_MENU", 101},      {"IDD_LAUNCHER_MAIN", 102},
        {"IDI_LAUNCHER", 128},       {"IDM_ABOUT", 0x10},          {"IDC_INSTALL_FOLDER", 1000},
        {"IDC_BROWSE", 1001},        {"IDC_QQ_NUMBER", 1002},      {"IDC_PASSWORD", 1003},
        {"IDC_MODE_NORMAL", 1004},   {"IDC_MODE_INVISIBLE", 1005}, {"IDC_CREATE_SHORTCUT", 1006},
        {"IDC_HOME_PAGE", 1007},     {"IDC_MORE_PROGRAMS", 1008},  {"IDC_FEEDBACK", 1009},
        {"IDC_STATIC", -1},
    };
    const std::map<std::string, long> defines = ReadDefines(ReadFile(TESSALY_RESOURCE_H_PATH));
    for (const auto& [name, value] : expected) {
        const auto found = defines.find(name);
        ASSERT_NE(found, defines.end()) << name << " is not defined";
        EXPECT_EQ(found->second, value) << name;
    }
    // A system command id must leave the low four bits to the system.
    EXPECT_EQ(defines.at("IDM_ABOUT") & 0xF, 0);
}

// ---------------------------------------------------------------------------
// The resource script, tokenised.

struct Token {
    enum Type { Word, String, Number, Punct } type;
    std::string text;  // a string's content (unescaped), a word, a number as written
    long value = 0;    // numbers only
};

std::vector<Token> Tokenize(const std::string& source) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    bool lineStart = true;
    const auto isWordStart = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < source.size()) {
        const char c = source[i];
        if (c == '\n') {
            lineStart = true;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (lineStart && c == '#') {  // preprocessor line
            i = source.find('\n', i);
            i = i == std::string::npos ? source.size() : i;
            continue;
        }
        lineStart = false;
        if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i);
            i = i == std::string::npos ? source.size() : i;
        } else if (source.compare(i, 2, "/*") == 0) {
            i = source.find("*/", i);
            i = i == std::string::npos ? source.size() : i + 2;
        } else if (c == '"') {
            std::string text;
            ++i;
            while (i < source.size()) {
                if (source[i] == '"' && i + 1 < source.size() && source[i + 1] == '"') {
                    text += '"';
                    i += 2;
                } else if (source[i] == '"') {
                    ++i;
                    break;
                } else if (source[i] == '\\' && i + 1 < source.size()) {
                    const char escaped = source[i + 1];
                    text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                    i += 2;
                } else {
                    text += source[i++];
                }
            }
            tokens.push_back({Token::String, text});
        } else if (isDigit(c)) {
            std::size_t end = i;
            while (end < source.size() && (isDigit(source[end]) || isWordStart(source[end]))) {
                ++end;
            }
            std::string text = source.substr(i, end - i);
            std::string digits = text;
            if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) {
                digits.pop_back();
            }
            tokens.push_back({Token::Number, text, std::stol(digits, nullptr, 0)});
            i = end;
        } else if (isWordStart(c)) {
            std::size_t end = i;
            while (end < source.size() && (isWordStart(source[end]) || isDigit(source[end]))) {
                ++end;
            }
            tokens.push_back({Token::Word, source.substr(i, end - i)});
            i = end;
        } else {
            tokens.push_back({Token::Punct, std::string(1, c)});
            ++i;
        }
    }
    return tokens;
}

using Argument = std::vector<Token>;

struct RcControl {
    std::string keyword;
    std::string text;       // the text argument as written (string content or word)
    std::string idName;     // the id argument as written
    std::string className;  // CONTROL only
    std::vector<std::string> style;
    int x = -1, y = -1, width = -1, height = -1;
};

struct RcDialog {
    bool found = false;
    int width = -1, height = -1;
    std::vector<std::string> style, exStyle;
    std::string caption;
    long fontSize = -1;
    std::string fontFace;
    std::vector<RcControl> controls;
};

const std::set<std::string> kControlKeywords = {
    "PUSHBUTTON",   "DEFPUSHBUTTON", "LTEXT",           "CTEXT",     "RTEXT",
    "EDITTEXT",     "GROUPBOX",      "CONTROL",         "ICON",      "CHECKBOX",
    "AUTOCHECKBOX", "RADIOBUTTON",   "AUTORADIOBUTTON", "LISTBOX",   "COMBOBOX",
    "SCROLLBAR",    "PUSHBOX",       "STATE3",          "AUTO3STATE"};
const std::set<std::string> kDialogStatements = {"STYLE", "EXSTYLE", "CAPTION", "FONT",
                                                 "MENU",  "CLASS",   "BEGIN"};

std::string ArgumentText(const Argument& argument) {
    std::string text;
    for (const Token& token : argument) {
        text += (text.empty() ? "" : " ") + token.text;
    }
    return text;
}

int ArgumentNumber(const Argument& argument) {
    if (argument.size() == 1 && argument[0].type == Token::Number) {
        return static_cast<int>(argument[0].value);
    }
    return -9999;
}

std::vector<std::string> ArgumentWords(const Argument& argument) {
    std::vector<std::string> words;
    for (const Token& token : argument) {
        if (token.type == Token::Word) {
            words.push_back(token.text);
        }
    }
    return words;
}

// Splits the tokens from `i` up to (not including) `end` at top-level commas.
std::vector<Argument> SplitArguments(const std::vector<Token>& tokens, std::size_t i,
                                     std::size_t end) {
    std::vector<Argument> arguments(1);
    for (; i < end; ++i) {
        if (tokens[i].type == Token::Punct && tokens[i].text == ",") {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(tokens[i]);
        }
    }
    return arguments;
}

RcControl ParseControl(const std::string& keyword, const std::vector<Argument>& args) {
    RcControl control;
    control.keyword = keyword;
    const auto at = [&args](std::size_t index) {
        return index < args.size() ? args[index] : Argument{};
    };
    std::size_t rect = 0;
    std::size_t style = 0;
    if (keyword == "EDITTEXT" || keyword == "LISTBOX" || keyword == "COMBOBOX" ||
        keyword == "SCROLLBAR") {
        control.idName = ArgumentText(at(0));
        rect = 1;
        style = 5;
    } else if (keyword == "CONTROL") {
        control.text = ArgumentText(at(0));
        control.idName = ArgumentText(at(1));
        control.className = ArgumentText(at(2));
        control.style = ArgumentWords(at(3));
        rect = 4;
    } else {
        control.text = ArgumentText(at(0));
        control.idName = ArgumentText(at(1));
        rect = 2;
        style = 6;
    }
    control.x = ArgumentNumber(at(rect));
    control.y = ArgumentNumber(at(rect + 1));
    control.width = ArgumentNumber(at(rect + 2));
    control.height = ArgumentNumber(at(rect + 3));
    if (style != 0) {
        control.style = ArgumentWords(at(style));
    }
    return control;
}

RcDialog ParseDialog(const std::vector<Token>& tokens, const std::string& name) {
    RcDialog dialog;
    std::size_t i = 0;
    while (i + 1 < tokens.size() &&
           !(tokens[i].text == name && tokens[i].type == Token::Word &&
             (tokens[i + 1].text == "DIALOGEX" || tokens[i + 1].text == "DIALOG"))) {
        ++i;
    }
    if (i + 1 >= tokens.size()) {
        return dialog;
    }
    dialog.found = true;
    // name DIALOGEX x, y, width, height
    const auto isStatement = [&tokens](std::size_t at) {
        return tokens[at].type == Token::Word && kDialogStatements.count(tokens[at].text) > 0;
    };
    std::size_t placeEnd = i + 2;
    while (placeEnd < tokens.size() && !isStatement(placeEnd)) {
        ++placeEnd;
    }
    const std::vector<Argument> place = SplitArguments(tokens, i + 2, placeEnd);
    if (place.size() == 4) {
        dialog.width = ArgumentNumber(place[2]);
        dialog.height = ArgumentNumber(place[3]);
    }
    i = placeEnd;
    while (i < tokens.size() && tokens[i].text != "BEGIN") {
        const std::string statement = tokens[i].text;
        std::size_t end = i + 1;
        while (end < tokens.size() && !isStatement(end)) {
            ++end;
        }
        const std::vector<Argument> args = SplitArguments(tokens, i + 1, end);
        if (statement == "STYLE") {
            dialog.style = ArgumentWords(args[0]);
        } else if (statement == "EXSTYLE") {
            dialog.exStyle = ArgumentWords(args[0]);
        } else if (statement == "CAPTION" && !args[0].empty()) {
            dialog.caption = args[0][0].text;
        } else if (statement == "FONT" && args.size() >= 2 && !args[1].empty()) {
            dialog.fontSize = ArgumentNumber(args[0]);
            dialog.fontFace = args[1][0].text;
        }
        i = end;
    }
    ++i;  // BEGIN
    while (i < tokens.size() && tokens[i].text != "END") {
        const std::string keyword = tokens[i].text;
        // A control keyword starts the next statement unless it follows a comma
        // or an operator, i.e. sits inside an argument.
        std::size_t end = i + 1;
        while (end < tokens.size() && tokens[end].text != "END" &&
               !(tokens[end].type == Token::Word && kControlKeywords.count(tokens[end].text) &&
                 tokens[end - 1].type != Token::Punct)) {
            ++end;
        }
        dialog.controls.push_back(ParseControl(keyword, SplitArguments(tokens, i + 1, end)));
        i = end;
    }
    return dialog;
}

class ResourceScript : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = ReadFile(TESSALY_RC_PATH);
        ASSERT_FALSE(source_.empty()) << "cannot read " << TESSALY_RC_PATH;
        tokens_ = Tokenize(source_);
        ids_ = Identifiers();
    }

    // The numeric value of an id as the resource compiler will see it.
    long IdValue(const std::string& name) const {
        const auto found = ids_.find(name);
        if (found != ids_.end()) {
            return found->second;
        }
        try {
            return std::stol(name, nullptr, 0);
        } catch (const std::exception&) {
            ADD_FAILURE() << "identifier " << name << " is not defined in resource.h";
            return -9999;
        }
    }

    void ExpectControls(const RcDialog& dialog, const std::vector<ExpectedControl>& expected) {
        ASSERT_EQ(dialog.controls.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            const RcControl& actual = dialog.controls[n];
            SCOPED_TRACE("control #" + std::to_string(n) + " (" + actual.keyword + " " +
                         actual.idName + ")");
            EXPECT_EQ(IdValue(actual.idName), expected[n].id);
            if (!expected[n].text.empty()) {
                EXPECT_EQ(actual.text, expected[n].text);
            }
            EXPECT_EQ(actual.x, expected[n].x);
            EXPECT_EQ(actual.y, expected[n].y);
            if (expected[n].width >= 0) {
                EXPECT_EQ(actual.width, expected[n].width);
                EXPECT_EQ(actual.height, expected[n].height);
            }
        }
    }

    std::string source_;
    std::vector<Token> tokens_;
    std::map<std::string, long> ids_;
};

bool IsValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

TEST_F(ResourceScript, IsUtf8AndSaysSoToTheCompiler) {
    EXPECT_TRUE(IsValidUtf8(source_));
    EXPECT_NE(source_.find("#pragma code_page(65001)"), std::string::npos);
}

TEST_F(ResourceScript, MainCaptionCreditsTheAuthorFromAuthorInfo) {
    ASSERT_NE(Credit(), "<invalid GBK>");
    const RcDialog dialog = ParseDialog(tokens_, "IDD_LAUNCHER_MAIN");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.caption, ExpectedMainCaption());
}

TEST_F(ResourceScript, DisclaimerAndContactLineUseTheAuthorsAddresses) {
    const RcDialog dialog = ParseDialog(tokens_, "IDD_LAUNCHER_MAIN");
    std::vector<std::string> texts;
    for (const RcControl& control : dialog.controls) {
        texts.push_back(control.text);
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), ExpectedDisclaimer()), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), ExpectedContactLine()), texts.end());
}

TEST_F(ResourceScript, MainDialogHasTheDesignedFrameAndFont) {
    const RcDialog dialog = ParseDialog(tokens_, "IDD_LAUNCHER_MAIN");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.width, 289);
    EXPECT_EQ(dialog.height, 289);
    EXPECT_EQ(std::set<std::string>(dialog.style.begin(), dialog.style.end()),
              (std::set<std::string>{"DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU"}));
    EXPECT_EQ(dialog.exStyle, std::vector<std::string>{"WS_EX_APPWINDOW"});
    EXPECT_EQ(dialog.fontSize, 9);
    EXPECT_EQ(dialog.fontFace, "宋体");
}

TEST_F(ResourceScript, MainDialogControlsComeInTemplateOrderAtTheirPlaces) {
    const RcDialog dialog = ParseDialog(tokens_, "IDD_LAUNCHER_MAIN");
    ASSERT_TRUE(dialog.found);
    ExpectControls(dialog, MainDialogControls());
}

TEST_F(ResourceScript, AboutBoxHasTheDesignedFrameAndControls) {
    const RcDialog dialog = ParseDialog(tokens_, "IDD_LAUNCHER_ABOUT");
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.width, 235);
    EXPECT_EQ(dialog.height, 55);
    EXPECT_EQ(std::set<std::string>(dialog.style.begin(), dialog.style.end()),
              (std::set<std::string>{"DS_MODALFRAME", "WS_POPUP", "WS_CAPTION", "WS_SYSMENU"}));
    EXPECT_EQ(dialog.caption, "关于 Tessaly");
    EXPECT_EQ(dialog.fontSize, 9);
    EXPECT_EQ(dialog.fontFace, "宋体");
    ExpectControls(dialog, AboutBoxControls());
    ASSERT_EQ(dialog.controls.size(), 4u);
    EXPECT_EQ(IdValue(dialog.controls[0].text), 128) << "the picture is icon 128";
    const std::vector<std::string>& versionStyle = dialog.controls[1].style;
    EXPECT_NE(std::find(versionStyle.begin(), versionStyle.end(), "SS_NOPREFIX"),
              versionStyle.end());
    EXPECT_EQ(dialog.controls[2].text.rfind(Credit(), 0), 0u)
        << "the second line credits the author: " << dialog.controls[2].text;
}

TEST_F(ResourceScript, StringTableHoldsTheAboutMenuText) {
    std::size_t i = 0;
    while (i < tokens_.size() && tokens_[i].text != "STRINGTABLE") {
        ++i;
    }
    std::map<long, std::string> strings;
    for (i += 2; i + 1 < tokens_.size() && tokens_[i].text != "END"; ++i) {
        if (tokens_[i].type != Token::String && tokens_[i].type != Token::Punct) {
            const std::size_t text = tokens_[i + 1].text == "," ? i + 2 : i + 1;
            strings[IdValue(tokens_[i].text)] = tokens_[text].text;
            i = text;
        }
    }
    EXPECT_EQ(strings, (std::map<long, std::string>{{101, "关于 Tessaly(&A)..."}}));
}

TEST_F(ResourceScript, UsesTheHeadersNamesForEveryId) {
    std::set<std::string> used;
    for (const Token& token : tokens_) {
        for (const char* prefix : {"IDD_", "IDC_", "IDS_", "IDI_", "IDM_"}) {
            if (token.type == Token::Word && token.text.rfind(prefix, 0) == 0) {
                used.insert(token.text);
            }
        }
    }
    for (const std::string& name : used) {
        EXPECT_EQ(ids_.count(name), 1u) << name << " is used but not defined in resource.h";
    }
    // Everything resource.h names, except the menu command the code appends
    // at run time, is referred to by name rather than by a bare number.
    for (const auto& [name, value] : ReadDefines(ReadFile(TESSALY_RESOURCE_H_PATH))) {
        if (name != "IDM_ABOUT") {
            EXPECT_EQ(used.count(name), 1u) << name << " (" << value << ") is not used by name";
        }
    }
}

#ifdef TESSALY_COMPILED_RES_PATH

// ---------------------------------------------------------------------------
// The compiled resources (.res file as written by the resource compiler).

constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr std::uint32_t DS_MODALFRAME = 0x80;
constexpr std::uint32_t DS_SETFONT = 0x40;
constexpr std::uint32_t ES_PASSWORD = 0x20;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
constexpr std::uint32_t ES_NUMBER = 0x2000;
constexpr std::uint32_t BS_TYPEMASK = 0xF;
constexpr std::uint32_t BS_PUSHBUTTON = 0;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 1;
constexpr std::uint32_t BS_GROUPBOX = 7;
constexpr std::uint32_t BS_AUTORADIOBUTTON = 9;
constexpr std::uint32_t SS_TYPEMASK = 0x1F;
constexpr std::uint32_t SS_LEFT = 0;
constexpr std::uint32_t SS_ICON = 3;
constexpr std::uint32_t SS_NOPREFIX = 0x80;

constexpr std::uint16_t kButtonClass = 0x80;
constexpr std::uint16_t kEditClass = 0x81;
constexpr std::uint16_t kStaticClass = 0x82;

constexpr int RT_ICON = 3;
constexpr int RT_DIALOG = 5;
constexpr int RT_STRING = 6;
constexpr int RT_GROUP_ICON = 14;
constexpr int RT_VERSION = 16;
constexpr int RT_MANIFEST = 24;
constexpr std::uint16_t kChinesePrc = 0x0804;

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Little-endian reader over a byte buffer; reading past the end yields zeros
// and marks the reader as failed.
class Reader {
public:
    explicit Reader(const std::string& bytes, std::size_t offset = 0)
        : bytes_(bytes), pos_(offset) {}

    std::uint8_t U8() {
        if (pos_ >= bytes_.size()) {
            failed_ = true;
            ++pos_;
            return 0;
        }
        return static_cast<std::uint8_t>(bytes_[pos_++]);
    }
    // Each byte is read in its own statement: the order in which the operands
    // of | are evaluated is left open by the language.
    std::uint16_t U16() {
        const std::uint16_t low = U8();
        const std::uint16_t high = U8();
        return static_cast<std::uint16_t>(low | (high << 8));
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        const std::uint32_t high = U16();
        return low | (high << 16);
    }
    std::int16_t S16() { return static_cast<std::int16_t>(U16()); }

    // A zero-terminated UTF-16 text, as UTF-8.
    std::string Utf16z() {
        std::string out;
        for (std::uint16_t unit = U16(); unit != 0 && !failed_; unit = U16()) {
            std::uint32_t code = unit;
            if (unit >= 0xD800 && unit < 0xDC00) {
                code = 0x10000 + ((unit - 0xD800) << 10) + (U16() - 0xDC00);
            }
            AppendUtf8(out, code);
        }
        return out;
    }

    // A name or ordinal: 0xFFFF then a number, or a zero-terminated text.
    struct NameOrOrdinal {
        bool isOrdinal = false;
        std::uint16_t ordinal = 0;
        std::string name;
    };
    NameOrOrdinal NameOrId() {
        NameOrOrdinal result;
        const std::size_t start = pos_;
        if (U16() == 0xFFFF) {
            result.isOrdinal = true;
            result.ordinal = U16();
        } else {
            pos_ = start;
            result.name = Utf16z();
        }
        return result;
    }

    void AlignTo4(std::size_t base = 0) { pos_ = base + ((pos_ - base + 3) & ~std::size_t{3}); }
    std::size_t pos() const { return pos_; }
    void seek(std::size_t pos) { pos_ = pos; }
    bool failed() const { return failed_; }

private:
    const std::string& bytes_;
    std::size_t pos_;
    bool failed_ = false;
};

struct Resource {
    Reader::NameOrOrdinal type, name;
    std::uint16_t language = 0;
    std::string data;
};

std::vector<Resource> ReadResFile(const std::string& bytes) {
    std::vector<Resource> resources;
    Reader reader(bytes);
    while (reader.pos() + 32 <= bytes.size()) {
        const std::size_t start = reader.pos();
        const std::uint32_t dataSize = reader.U32();
        const std::uint32_t headerSize = reader.U32();
        Resource resource;
        resource.type = reader.NameOrId();
        resource.name = reader.NameOrId();
        reader.seek(start + headerSize - 10);
        resource.language = reader.U16();
        if (start + headerSize + dataSize > bytes.size() || headerSize < 32) {
            ADD_FAILURE() << "truncated resource file";
            break;
        }
        resource.data = bytes.substr(start + headerSize, dataSize);
        reader.seek(start + headerSize + dataSize);
        reader.AlignTo4();
        // The file starts with an empty entry that marks it as 32-bit.
        if (!(dataSize == 0 && resource.type.isOrdinal && resource.type.ordinal == 0)) {
            resources.push_back(resource);
        }
    }
    return resources;
}

struct DialogItem {
    std::uint32_t style = 0, exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::uint32_t id = 0;
    Reader::NameOrOrdinal windowClass, title;
};

struct DialogTemplate {
    bool extended = false;
    std::uint32_t style = 0, exStyle = 0;
    int width = 0, height = 0;
    std::string caption;
    int pointSize = 0;
    std::string typeface;
    std::vector<DialogItem> items;
    bool failed = false;
};

// Reads an extended dialog template (the form DIALOGEX compiles to).
DialogTemplate ReadDialogEx(const std::string& data) {
    DialogTemplate dialog;
    Reader reader(data);
    const std::uint16_t version = reader.U16();
    const std::uint16_t signature = reader.U16();
    dialog.extended = version == 1 && signature == 0xFFFF;
    if (!dialog.extended) {
        return dialog;
    }
    reader.U32();  // help id
    dialog.exStyle = reader.U32();
    dialog.style = reader.U32();
    const std::uint16_t count = reader.U16();
    reader.S16();
    reader.S16();
    dialog.width = reader.S16();
    dialog.height = reader.S16();
    reader.NameOrId();  // menu
    reader.NameOrId();  // window class
    dialog.caption = reader.Utf16z();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.U16();
        reader.U16();  // weight
        reader.U8();   // italic
        reader.U8();   // character set
        dialog.typeface = reader.Utf16z();
    }
    for (std::uint16_t n = 0; n < count; ++n) {
        reader.AlignTo4();
        DialogItem item;
        reader.U32();  // help id
        item.exStyle = reader.U32();
        item.style = reader.U32();
        item.x = reader.S16();
        item.y = reader.S16();
        item.width = reader.S16();
        item.height = reader.S16();
        item.id = reader.U32();
        item.windowClass = reader.NameOrId();
        item.title = reader.NameOrId();
        const std::uint16_t extra = reader.U16();
        reader.seek(reader.pos() + extra);
        dialog.items.push_back(item);
    }
    dialog.failed = reader.failed();
    return dialog;
}

// Version resource node: length, value length, type, key, value, children.
struct VersionNode {
    std::string key;
    std::uint16_t type = 0;
    std::string value;  // raw bytes for binary values, UTF-8 for text values
    std::vector<VersionNode> children;
};

VersionNode ReadVersionNode(const std::string& data, std::size_t offset) {
    VersionNode node;
    Reader reader(data, offset);
    const std::uint16_t length = reader.U16();
    const std::uint16_t valueLength = reader.U16();
    node.type = reader.U16();
    node.key = reader.Utf16z();
    reader.AlignTo4();
    const std::size_t valueStart = reader.pos();
    // Text values count UTF-16 units, binary values bytes.
    const std::size_t valueBytes = node.type == 1 ? valueLength * std::size_t{2} : valueLength;
    if (node.type != 1) {
        node.value = data.substr(valueStart, valueBytes);
    } else if (valueLength > 0) {
        node.value = reader.Utf16z();
    }
    std::size_t child = (valueStart + valueBytes + 3) & ~std::size_t{3};
    while (child + 6 <= offset + length && child + 2 <= data.size()) {
        Reader childReader(data, child);
        const std::uint16_t childLength = childReader.U16();
        if (childLength == 0) {
            break;
        }
        node.children.push_back(ReadVersionNode(data, child));
        child = (child + childLength + 3) & ~std::size_t{3};
    }
    return node;
}

const VersionNode* Child(const VersionNode& node, const std::string& key) {
    for (const VersionNode& child : node.children) {
        if (child.key == key) {
            return &child;
        }
    }
    return nullptr;
}

bool ClassIs(const DialogItem& item, std::uint16_t ordinal, const std::string& name) {
    if (item.windowClass.isOrdinal) {
        return item.windowClass.ordinal == ordinal;
    }
    std::string lower;
    for (char c : item.windowClass.name) {
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower == name;
}

std::string KindName(Kind kind) {
    switch (kind) {
        case Kind::PushButton:
            return "push button";
        case Kind::DefaultPushButton:
            return "default push button";
        case Kind::Text:
            return "static text";
        case Kind::Edit:
            return "edit";
        case Kind::GroupBox:
            return "group box";
        case Kind::AutoRadio:
            return "automatic radio button";
        case Kind::Icon:
            return "icon";
    }
    return "?";
}

bool IsKind(const DialogItem& item, Kind kind) {
    switch (kind) {
        case Kind::PushButton:
            return ClassIs(item, kButtonClass, "button") &&
                   (item.style & BS_TYPEMASK) == BS_PUSHBUTTON;
        case Kind::DefaultPushButton:
            return ClassIs(item, kButtonClass, "button") &&
                   (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        case Kind::GroupBox:
            return ClassIs(item, kButtonClass, "button") &&
                   (item.style & BS_TYPEMASK) == BS_GROUPBOX;
        case Kind::AutoRadio:
            return ClassIs(item, kButtonClass, "button") &&
                   (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        case Kind::Text:
            return ClassIs(item, kStaticClass, "static") && (item.style & SS_TYPEMASK) == SS_LEFT;
        case Kind::Icon:
            return ClassIs(item, kStaticClass, "static") && (item.style & SS_TYPEMASK) == SS_ICON;
        case Kind::Edit:
            return ClassIs(item, kEditClass, "edit");
    }
    return false;
}

class CompiledResources : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string bytes = ReadFile(TESSALY_COMPILED_RES_PATH);
        ASSERT_FALSE(bytes.empty()) << "cannot read " << TESSALY_COMPILED_RES_PATH;
        resources_ = ReadResFile(bytes);
    }

    const Resource* Find(int type, int id) const {
        for (const Resource& resource : resources_) {
            if (resource.type.isOrdinal && resource.type.ordinal == type &&
                resource.name.isOrdinal && resource.name.ordinal == id) {
                return &resource;
            }
        }
        return nullptr;
    }

    DialogTemplate Dialog(int id) const {
        const Resource* resource = Find(RT_DIALOG, id);
        if (resource == nullptr) {
            ADD_FAILURE() << "no dialog template " << id;
            return {};
        }
        EXPECT_EQ(resource->language, kChinesePrc);
        DialogTemplate dialog = ReadDialogEx(resource->data);
        EXPECT_TRUE(dialog.extended);
        EXPECT_FALSE(dialog.failed);
        return dialog;
    }

    static void ExpectItems(const DialogTemplate& dialog,
                            const std::vector<ExpectedControl>& expected) {
        ASSERT_EQ(dialog.items.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            const DialogItem& item = dialog.items[n];
            SCOPED_TRACE("item #" + std::to_string(n) + ", id " +
                         std::to_string(static_cast<std::int32_t>(item.id)));
            EXPECT_TRUE(IsKind(item, expected[n].kind))
                << "expected a " << KindName(expected[n].kind) << ", style 0x" << std::hex
                << item.style;
            EXPECT_EQ(static_cast<int>(static_cast<std::int16_t>(item.id)), expected[n].id);
            EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
            if (!expected[n].text.empty()) {
                EXPECT_EQ(item.title.name, expected[n].text);
            }
            EXPECT_EQ(item.x, expected[n].x);
            EXPECT_EQ(item.y, expected[n].y);
            if (expected[n].width >= 0) {
                EXPECT_EQ(item.width, expected[n].width);
                EXPECT_EQ(item.height, expected[n].height);
            }
        }
    }

    static const DialogItem* Item(const DialogTemplate& dialog, int id) {
        for (const DialogItem& item : dialog.items) {
            if (static_cast<int>(static_cast<std::int16_t>(item.id)) == id) {
                return &item;
            }
        }
        ADD_FAILURE() << "no control " << id;
        return nullptr;
    }

    std::vector<Resource> resources_;
};

TEST_F(CompiledResources, HoldExactlyTheProgramsResources) {
    std::set<std::pair<int, int>> found;
    for (const Resource& resource : resources_) {
        ASSERT_TRUE(resource.type.isOrdinal && resource.name.isOrdinal)
            << "named resource " << resource.type.name << "/" << resource.name.name;
        found.insert({resource.type.ordinal, resource.name.ordinal});
    }
    const std::set<std::pair<int, int>> expected = {
        {RT_ICON, 1},         {RT_DIALOG, 100}, {RT_DIALOG, 102}, {RT_STRING, 101 / 16 + 1},
        {RT_GROUP_ICON, 128}, {RT_VERSION, 1},  {RT_MANIFEST, 1}};
    EXPECT_EQ(found, expected);
    EXPECT_EQ(resources_.size(), expected.size()) << "a resource is defined twice";
    for (const Resource& resource : resources_) {
        if (resource.type.ordinal != RT_MANIFEST) {
            EXPECT_EQ(resource.language, kChinesePrc) << "type " << resource.type.ordinal;
        }
    }
}

TEST_F(CompiledResources, MainDialogIsAModalFrameInTheTaskBarWithoutMinimiseOrMaximise) {
    const DialogTemplate dialog = Dialog(102);
    EXPECT_EQ(dialog.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog.exStyle & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    EXPECT_EQ(dialog.width, 289);
    EXPECT_EQ(dialog.height, 289);
    EXPECT_EQ(dialog.caption, ExpectedMainCaption());
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.typeface, "宋体");
}

TEST_F(CompiledResources, MainDialogControlsAreTheDesignedKindsInOrderAtTheirPlaces) {
    ExpectItems(Dialog(102), MainDialogControls());
}

TEST_F(CompiledResources, MainDialogTabStopsAreExactlyTheDesignedOnesInOrder) {
    std::vector<int> tabStops;
    for (const DialogItem& item : Dialog(102).items) {
        if (item.style & WS_TABSTOP) {
            tabStops.push_back(static_cast<std::int16_t>(item.id));
        }
    }
    EXPECT_EQ(tabStops, kMainTabStops);
}

TEST_F(CompiledResources, MainDialogHasNoDefaultButton) {
    for (const DialogItem& item : Dialog(102).items) {
        if (ClassIs(item, kButtonClass, "button")) {
            EXPECT_NE(item.style & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "control " << item.id;
        }
    }
}

TEST_F(CompiledResources, EditBoxesHaveTheirDesignedBehaviour) {
    const DialogTemplate dialog = Dialog(102);
    const DialogItem* folder = Item(dialog, 1000);
    const DialogItem* number = Item(dialog, 1002);
    const DialogItem* password = Item(dialog, 1003);
    ASSERT_TRUE(folder && number && password);
    EXPECT_EQ(folder->style & (WS_DISABLED | ES_AUTOHSCROLL), WS_DISABLED | ES_AUTOHSCROLL);
    EXPECT_EQ(folder->style & (ES_NUMBER | ES_PASSWORD), 0u);
    EXPECT_EQ(number->style & (ES_NUMBER | ES_AUTOHSCROLL), ES_NUMBER | ES_AUTOHSCROLL);
    EXPECT_EQ(number->style & (WS_DISABLED | ES_PASSWORD), 0u);
    EXPECT_EQ(password->style & (ES_PASSWORD | ES_AUTOHSCROLL), ES_PASSWORD | ES_AUTOHSCROLL);
    EXPECT_EQ(password->style & (WS_DISABLED | ES_NUMBER), 0u);
    for (const DialogItem& item : dialog.items) {
        if (item.id != 1000) {
            EXPECT_EQ(item.style & WS_DISABLED, 0u) << "control " << item.id;
        }
    }
}

TEST_F(CompiledResources, EachModeButtonStartsAGroupOfItsOwn) {
    const DialogTemplate dialog = Dialog(102);
    for (int id : {1004, 1005}) {
        const DialogItem* radio = Item(dialog, id);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->style & WS_GROUP, WS_GROUP) << id;
    }
}

TEST_F(CompiledResources, AboutBoxShowsTheIconNameCreditAndOkButton) {
    const DialogTemplate dialog = Dialog(100);
    EXPECT_EQ(dialog.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(dialog.width, 235);
    EXPECT_EQ(dialog.height, 55);
    EXPECT_EQ(dialog.caption, "关于 Tessaly");
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.typeface, "宋体");
    ExpectItems(dialog, AboutBoxControls());
    ASSERT_EQ(dialog.items.size(), 4u);
    EXPECT_TRUE(dialog.items[0].title.isOrdinal);
    EXPECT_EQ(dialog.items[0].title.ordinal, 128);
    EXPECT_EQ(dialog.items[1].style & SS_NOPREFIX, SS_NOPREFIX);
    EXPECT_EQ(dialog.items[2].title.name.rfind(Credit(), 0), 0u) << dialog.items[2].title.name;
    EXPECT_EQ(dialog.items[3].style & WS_TABSTOP, WS_TABSTOP);
}

TEST_F(CompiledResources, StringTableHoldsTheAboutMenuText) {
    const Resource* block = Find(RT_STRING, 101 / 16 + 1);
    ASSERT_NE(block, nullptr);
    // A block holds 16 counted UTF-16 strings; 101 is the sixth of block 7.
    Reader reader(block->data);
    std::vector<std::string> strings;
    for (int n = 0; n < 16; ++n) {
        const std::uint16_t length = reader.U16();
        std::string utf8;
        for (std::uint16_t k = 0; k < length; ++k) {
            AppendUtf8(utf8, reader.U16());
        }
        strings.push_back(utf8);
    }
    ASSERT_FALSE(reader.failed());
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(strings[n], n == 101 % 16 ? "关于 Tessaly(&A)..." : "") << "string " << 96 + n;
    }
}

TEST_F(CompiledResources, VersionBlockDescribesTessaly101InChinese) {
    const Resource* resource = Find(RT_VERSION, 1);
    ASSERT_NE(resource, nullptr);
    const VersionNode root = ReadVersionNode(resource->data, 0);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);  // VS_FIXEDFILEINFO
    Reader fixed(root.value);
    EXPECT_EQ(fixed.U32(), 0xFEEF04BDu);
    fixed.U32();                          // structure version
    EXPECT_EQ(fixed.U32(), 0x00010000u);  // file version 1.0
    EXPECT_EQ(fixed.U32(), 0x00000001u);  //              .0.1
    EXPECT_EQ(fixed.U32(), 0x00010000u);  // product version
    EXPECT_EQ(fixed.U32(), 0x00000001u);
    fixed.U32();                   // flags mask
    EXPECT_EQ(fixed.U32(), 0u);    // flags: a release build
    EXPECT_EQ(fixed.U32(), 0x4u);  // VOS__WINDOWS32
    EXPECT_EQ(fixed.U32(), 0x1u);  // VFT_APP

    const VersionNode* stringInfo = Child(root, "StringFileInfo");
    ASSERT_NE(stringInfo, nullptr);
    ASSERT_EQ(stringInfo->children.size(), 1u);
    const VersionNode& table = stringInfo->children[0];
    EXPECT_EQ(table.key, "080404b0");
    std::map<std::string, std::string> values;
    for (const VersionNode& value : table.children) {
        values[value.key] = value.value;
    }
    const auto legal = values.find("LegalCopyright");
    ASSERT_NE(legal, values.end());
    EXPECT_NE(legal->second.find(AuthorName()), std::string::npos) << legal->second;
    values.erase(legal);
    const std::map<std::string, std::string> expected = {
        {"CompanyName", ""},
        {"FileDescription", "Tessaly Microsoft 基础类应用程序"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Tessaly"},
        {"OriginalFilename", "Tessaly.EXE"},
        {"ProductName", "Tessaly 应用程序"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    EXPECT_EQ(values, expected);

    const VersionNode* varInfo = Child(root, "VarFileInfo");
    ASSERT_NE(varInfo, nullptr);
    const VersionNode* translation = Child(*varInfo, "Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->value, std::string("\x04\x08\xB0\x04", 4));  // 0x0804, 1200
}

TEST_F(CompiledResources, ManifestAsksForCommonControls6AsInvokerAndDpiAware) {
    const Resource* resource = Find(RT_MANIFEST, 1);
    ASSERT_NE(resource, nullptr);
    const std::string& manifest = resource->data;
    const std::size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string::npos);
    const std::size_t begin = manifest.rfind("<assemblyIdentity", controls);
    const std::size_t end = manifest.find("/>", controls);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string identity = manifest.substr(begin, end - begin);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_TRUE(identity.find("processorArchitecture=\"x86\"") != std::string::npos ||
                identity.find("processorArchitecture=\"*\"") != std::string::npos);
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_TRUE(IsValidUtf8(manifest));
}

TEST_F(CompiledResources, IconIsOne48By48ImageWithAlpha) {
    const Resource* group = Find(RT_GROUP_ICON, 128);
    ASSERT_NE(group, nullptr);
    Reader directory(group->data);
    EXPECT_EQ(directory.U16(), 0);  // reserved
    EXPECT_EQ(directory.U16(), 1);  // icon, not cursor
    ASSERT_EQ(directory.U16(), 1);  // one image
    EXPECT_EQ(directory.U8(), 48);  // width
    EXPECT_EQ(directory.U8(), 48);  // height
    EXPECT_EQ(directory.U8(), 0);   // no palette
    directory.U8();
    EXPECT_EQ(directory.U16(), 1);   // planes
    EXPECT_EQ(directory.U16(), 32);  // bits per pixel
    const std::uint32_t size = directory.U32();
    const std::uint16_t imageId = directory.U16();
    ASSERT_FALSE(directory.failed());

    const Resource* image = Find(RT_ICON, imageId);
    ASSERT_NE(image, nullptr);
    constexpr int kSide = 48;
    constexpr std::size_t kColourBytes = kSide * kSide * 4;
    constexpr std::size_t kMaskStride = 8;  // 48 bits padded to 32-bit units
    ASSERT_EQ(image->data.size(), size);
    ASSERT_EQ(image->data.size(), 40 + kColourBytes + kSide * kMaskStride);
    Reader header(image->data);
    EXPECT_EQ(header.U32(), 40u);
    EXPECT_EQ(header.U32(), 48u);
    EXPECT_EQ(header.U32(), 96u);  // colour and mask
    EXPECT_EQ(header.U16(), 1);
    EXPECT_EQ(header.U16(), 32);
    EXPECT_EQ(header.U32(), 0u);  // uncompressed

    // Rows are stored bottom-up: row r of the file is picture line 47 - r.
    const auto alpha = [&image](int x, int line) {
        const std::size_t at = 40 + (static_cast<std::size_t>(47 - line) * kSide + x) * 4 + 3;
        return static_cast<unsigned char>(image->data[at]);
    };
    const auto masked = [&image](int x, int line) {
        const std::size_t at =
            40 + kColourBytes + static_cast<std::size_t>(47 - line) * kMaskStride + x / 8;
        return (static_cast<unsigned char>(image->data[at]) & (0x80 >> (x % 8))) != 0;
    };
    int transparent = 0, opaque = 0, partial = 0;
    std::set<std::string> colours;
    for (int line = 0; line < kSide; ++line) {
        for (int x = 0; x < kSide; ++x) {
            const unsigned char a = alpha(x, line);
            transparent += a == 0;
            opaque += a == 255;
            partial += a != 0 && a != 255;
            EXPECT_EQ(masked(x, line), a == 0)
                << "mask disagrees with alpha at " << x << "," << line;
            const std::size_t at = 40 + (static_cast<std::size_t>(47 - line) * kSide + x) * 4;
            colours.insert(image->data.substr(at, 4));
        }
    }
    EXPECT_EQ(alpha(0, 0), 0) << "corners are see-through";
    EXPECT_EQ(alpha(47, 47), 0);
    EXPECT_EQ(alpha(24, 24), 255) << "the middle is solid";
    EXPECT_GT(opaque, kSide * kSide / 2);
    EXPECT_GT(transparent, 0);
    EXPECT_GT(partial, 0) << "edges are smoothed by alpha";
    EXPECT_GT(colours.size(), 32u) << "a picture, not a flat square";
}

#endif  // TESSALY_COMPILED_RES_PATH

}  // namespace
}  // namespace tessaly
