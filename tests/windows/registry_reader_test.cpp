// The registry adapter against Wine's real registry, on a test key created
// under HKEY_CURRENT_USER and removed afterwards.
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_registry_reader.h"
#include "text/utf_conversion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tessaly::win32 {
namespace {

constexpr wchar_t kTestRoot[] = L"Software\\TessalyTest";

class RegistryReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestRoot, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, key_.receive(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot); }

    // Stores `data` as `type` with `extraUnits` more units than the text: 1
    // for its terminator, 0 for none.
    void Set(const wchar_t* name, const std::wstring& data, DWORD type = REG_SZ,
             int extraUnits = 1) {
        ASSERT_EQ(
            RegSetValueExW(key_.get(), name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>((data.size() + extraUnits) * 2)),
            ERROR_SUCCESS);
    }
    std::optional<std::string> Read(const std::string& name, const char* subkey = "") {
        std::string text;
        const HResult hr = reader_.ReadValue(RegistryRoot::CurrentUser,
                                             text::WideToUtf8(kTestRoot) + subkey, name, &text);
        return Succeeded(hr) ? std::optional<std::string>(text) : std::nullopt;
    }

    ScopedRegKey key_;
    Win32RegistryReader reader_;
};

TEST_F(RegistryReaderTest, StringValuesComeBackAsUtf8WholeOrNotAtAll) {
    SetEnvironmentVariableW(L"TESSALY_TEST_HOME", L"C:\\users\\Zoë 𠮷");
    const struct {
        DWORD type;
        std::wstring data;
        int extraUnits;
        std::optional<std::string> text;  // nullopt: no folder
    } cases[] = {
        // Lengths 0, 1, 2 and the limit: 1023 units and the terminator.
        {REG_SZ, L"", 1, ""},
        {REG_SZ, L"a", 1, "a"},
        {REG_SZ, L"\xD842\xDFB7", 1, "\xF0\xA0\xAE\xB7"},
        {REG_SZ, L"中" + std::wstring(1022, L'x'), 1, "\xE4\xB8\xAD" + std::string(1022, 'x')},
        {REG_SZ, std::wstring(1024, L'x'), 1, std::nullopt},
        // A lone surrogate, half a pair in a path: nothing may stand in for
        // what is not there.
        {REG_SZ, L"\xD842", 1, std::nullopt},
        {REG_SZ, L"C:\\Zo\xDFB7\\QQ", 1, std::nullopt},
        // Data without a terminator, or with a zero inside, ends in time.
        {REG_SZ, L"D:\\QQ", 0, "D:\\QQ"},
        {REG_SZ, std::wstring(L"C:\\A\0junk", 9), 0, "C:\\A"},
        {REG_EXPAND_SZ, L"%TESSALY_TEST_HOME%\\QQ", 1,
         "C:\\users\\Zo\xC3\xAB \xF0\xA0\xAE\xB7\\QQ"},
        // Other types are no folder, though their bytes may read as text.
        {REG_DWORD, L"DC", 0, std::nullopt},
        {REG_MULTI_SZ, L"C:\\QQ", 1, std::nullopt},
    };
    for (const auto& c : cases) {
        Set(L"Value", c.data, c.type, c.extraUnits);
        EXPECT_EQ(Read("Value"), c.text) << c.type << " of " << c.data.size() << " units";
    }
    EXPECT_EQ(Read("Missing"), std::nullopt);
    EXPECT_EQ(Read("Value", "\\NoSuchKey"), std::nullopt);
}

// On 64-bit Windows a 32-bit program's HKEY_LOCAL_MACHINE\SOFTWARE is the
// 32-bit view (WOW6432Node), where a 32-bit client's installer records its
// folder; a 64-bit program sees the 64-bit view. The reader must see the view
// of its own bitness, never ask for the other.
TEST(RegistryViews, TheReaderSeesTheViewOfItsOwnBitness) {
    BOOL wow64 = FALSE;
    const bool is64 = sizeof(void*) == 8;
    if (!is64 && (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)) {
        GTEST_SKIP() << "a 32-bit system has one view; the run in a 64-bit prefix checks it";
    }
    // The same value in each view, with the view's name as its text.
    for (const auto& [view, text] : {std::pair{KEY_WOW64_32KEY, L"32"}, {KEY_WOW64_64KEY, L"64"}}) {
        ScopedRegKey views;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TessalyTest", 0, nullptr, 0,
                                  KEY_ALL_ACCESS | view, nullptr, views.receive(), nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(views.get(), L"Install", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 6);
    }
    std::string text;
    EXPECT_TRUE(Succeeded(Win32RegistryReader().ReadValue(
        RegistryRoot::LocalMachine, "SOFTWARE\\TessalyTest", "Install", &text)));
    EXPECT_EQ(text, is64 ? "64" : "32");
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TessalyTest", view, 0);
    }
}

}  // namespace
}  // namespace tessaly::win32
