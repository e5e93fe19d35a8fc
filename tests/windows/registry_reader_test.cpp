// The registry adapter against Wine's real registry, on a test key created
// under HKEY_CURRENT_USER and removed afterwards.
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_registry_reader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tessaly::win32 {
namespace {

class RegistryReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        subkey_ = L"Software\\TessalyTest\\" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, key_.receive(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TessalyTest"); }

    // Stores `bytes` bytes of `data`, terminator or not.
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetValueExW(key_.get(), name, 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }
    // Stores UTF-8 text as UTF-16 with `extraUnits` more units than the text
    // (1: its terminator; 0: none; negative: cut short).
    void SetText(const wchar_t* name, const std::string& text, DWORD type = REG_SZ,
                 int extraUnits = 1) {
        const std::wstring wide = Utf8ToWide(text);
        SetRaw(name, type, wide.c_str(),
               static_cast<DWORD>((static_cast<int>(wide.size()) + extraUnits) * 2));
    }

    std::optional<std::string> Read(const std::string& name) {
        std::string text;
        if (!reader_.ReadValue(RegistryRoot::CurrentUser, WideToUtf8(subkey_), name, &text)) {
            return std::nullopt;
        }
        return text;
    }

    std::wstring subkey_;
    ScopedRegKey key_;
    Win32RegistryReader reader_;
};

TEST_F(RegistryReaderTest, StringValuesComeBackAsUtf8AndAreCleanedForUse) {
    SetText(L"Folder", "C:\\Zoë 𠮷\\正常   登陆\\QQ");
    EXPECT_EQ(Read("Folder"), "C:\\Zoë 𠮷\\正常   登陆\\QQ");
    EXPECT_EQ(ReadRegistryText(reader_, RegistryRoot::CurrentUser, WideToUtf8(subkey_), "Folder"),
              "C:\\Zoë 𠮷\\正常登陆\\QQ");
    SetText(L"Quoted", "\"C:\\Program Files\\Tencent\\QQ\"");
    EXPECT_EQ(ReadRegistryText(reader_, RegistryRoot::CurrentUser, WideToUtf8(subkey_), "Quoted"),
              "C:\\Program Files\\Tencent\\QQ");
}

TEST_F(RegistryReaderTest, ExpandableValuesAreExpandedOtherTypesAreNoFolder) {
    SetEnvironmentVariableW(L"TESSALY_TEST_HOME", L"C:\\users\\Zoë 𠮷");
    SetText(L"Expand", "%TESSALY_TEST_HOME%\\QQ", REG_EXPAND_SZ);
    EXPECT_EQ(Read("Expand"), "C:\\users\\Zoë 𠮷\\QQ");
    SetText(L"Plain", "%TESSALY_TEST_HOME%\\QQ", REG_SZ);
    EXPECT_EQ(Read("Plain"), "%TESSALY_TEST_HOME%\\QQ");

    const DWORD number = 0x41424344;  // "DCBA" if taken as text
    SetRaw(L"Number", REG_DWORD, &number, sizeof number);
    SetText(L"Binary", "C:\\QQ", REG_BINARY);
    SetText(L"Multi", "C:\\QQ", REG_MULTI_SZ);
    for (const char* name : {"Number", "Binary", "Multi"}) {
        EXPECT_EQ(Read(name), std::nullopt) << name;
    }
}

TEST_F(RegistryReaderTest, BufferHoldsExactly1023CharactersAndTheTerminator) {
    SetText(L"Fits", std::string(1023, 'x'));
    SetText(L"TooLong", std::string(1024, 'x'));
    SetText(L"WideFits", "中" + std::string(1022, 'x'));
    EXPECT_EQ(Read("Fits"), std::string(1023, 'x'));
    EXPECT_EQ(Read("TooLong"), std::nullopt);
    EXPECT_EQ(Read("WideFits"), "中" + std::string(1022, 'x'));
}

TEST_F(RegistryReaderTest, MissingKeyOrValueFails) {
    std::string text = "untouched";
    EXPECT_FALSE(
        reader_.ReadValue(RegistryRoot::CurrentUser, WideToUtf8(subkey_), "NoSuchValue", &text));
    EXPECT_FALSE(reader_.ReadValue(RegistryRoot::CurrentUser, WideToUtf8(subkey_) + "\\NoSuchKey",
                                   "Folder", &text));
    EXPECT_EQ(text, "untouched");
}

TEST_F(RegistryReaderTest, UnterminatedDataEndsWhereTheReturnedUnitsEnd) {
    // Wine, like Windows, adds a missing terminator when the buffer has room
    // (and refuses a value that fills the buffer without one, where Windows
    // would return it whole), so these only show the text ends in time.
    SetText(L"NoTerminator", "D:\\QQ", REG_SZ, 0);
    SetText(L"EmbeddedZero", std::string("C:\\A\0junk", 9), REG_SZ, 0);
    EXPECT_EQ(Read("NoTerminator"), "D:\\QQ");
    EXPECT_EQ(Read("EmbeddedZero"), "C:\\A");
}

TEST_F(RegistryReaderTest, KeyIsClosedOnEveryPath) {
    SetText(L"Folder", "C:\\QQ");
    // A leaked key would leave its handle taken, so a key opened afterwards
    // would get a handle value far above the one opened before.
    auto probeHandle = [this] {
        ScopedRegKey probe;
        RegOpenKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, KEY_READ, probe.receive());
        return reinterpret_cast<UINT_PTR>(probe.get());
    };
    const UINT_PTR before = probeHandle();
    for (int i = 0; i < 3000; ++i) {
        Read("Folder");       // success
        Read("NoSuchValue");  // query fails after the open
    }
    const UINT_PTR after = probeHandle();
    EXPECT_LT(after, before + 64) << "handles grew from " << before << " to " << after;
}

TEST(RegistryLookupsOnWine, DesktopFolderIsFound) {
    Win32RegistryReader reader;
    const auto desktop = ReadRegistryText(reader, kDesktopFolderLookup);
    ASSERT_TRUE(desktop.has_value());
    EXPECT_NE(desktop->find("Desktop"), std::string::npos) << *desktop;
}

}  // namespace
}  // namespace tessaly::win32
