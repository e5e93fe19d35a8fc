// The registry adapter against Wine's real registry, on a test key created
// under HKEY_CURRENT_USER and removed afterwards.
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/utf_conversion.h"
#include "platform/win32/win32_registry_reader.h"

#include <gtest/gtest.h>
#include <sddl.h>
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

    // Stores UTF-8 text as UTF-16 with `extraUnits` more units than the text:
    // 1 for its terminator, 0 for none.
    void Set(const wchar_t* name, const std::string& text, DWORD type = REG_SZ,
             int extraUnits = 1) {
        const std::wstring wide = Utf8ToWide(text);
        ASSERT_EQ(
            RegSetValueExW(key_.get(), name, 0, type, reinterpret_cast<const BYTE*>(wide.c_str()),
                           static_cast<DWORD>((wide.size() + extraUnits) * 2)),
            ERROR_SUCCESS);
    }
    std::optional<std::string> Read(const std::string& name, const char* subkey = "") {
        std::string text;
        const std::string path = WideToUtf8(kTestRoot) + subkey;
        if (!reader_.ReadValue(RegistryRoot::CurrentUser, path, name, &text)) {
            return std::nullopt;
        }
        return text;
    }

    ScopedRegKey key_;
    Win32RegistryReader reader_;
};

TEST_F(RegistryReaderTest, StringValuesComeBackAsUtf8AndAreCleanedForUse) {
    Set(L"Folder", "C:\\Zoë 𠮷\\正常   登陆\\QQ");
    EXPECT_EQ(Read("Folder"), "C:\\Zoë 𠮷\\正常   登陆\\QQ");
    EXPECT_EQ(
        ReadRegistryText(reader_, RegistryRoot::CurrentUser, "Software\\TessalyTest", "Folder"),
        "C:\\Zoë 𠮷\\正常登陆\\QQ");
    // Data stored without a terminator, or with a zero inside, ends in time.
    Set(L"NoTerminator", "D:\\QQ", REG_SZ, 0);
    Set(L"EmbeddedZero", std::string("C:\\A\0junk", 9), REG_SZ, 0);
    EXPECT_EQ(Read("NoTerminator"), "D:\\QQ");
    EXPECT_EQ(Read("EmbeddedZero"), "C:\\A");
}

TEST_F(RegistryReaderTest, ExpandableValuesAreExpandedOtherTypesAreNoFolder) {
    SetEnvironmentVariableW(L"TESSALY_TEST_HOME", L"C:\\users\\Zoë 𠮷");
    Set(L"Expand", "%TESSALY_TEST_HOME%\\QQ", REG_EXPAND_SZ);
    Set(L"Plain", "%TESSALY_TEST_HOME%\\QQ", REG_SZ);
    EXPECT_EQ(Read("Expand"), "C:\\users\\Zoë 𠮷\\QQ");
    EXPECT_EQ(Read("Plain"), "%TESSALY_TEST_HOME%\\QQ");

    const DWORD number = 0x41424344;  // "DCBA" if taken as text
    RegSetValueExW(key_.get(), L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    Set(L"Binary", "C:\\QQ", REG_BINARY);
    Set(L"Multi", "C:\\QQ", REG_MULTI_SZ);
    for (const char* name : {"Number", "Binary", "Multi", "Missing"}) {
        EXPECT_EQ(Read(name), std::nullopt) << name;
    }
    EXPECT_EQ(Read("Folder", "\\NoSuchKey"), std::nullopt);
}

TEST_F(RegistryReaderTest, BufferHoldsExactly1023CharactersAndTheTerminator) {
    Set(L"Fits", "中" + std::string(1022, 'x'));
    Set(L"TooLong", std::string(1024, 'x'));
    EXPECT_EQ(Read("Fits"), "中" + std::string(1022, 'x'));
    EXPECT_EQ(Read("TooLong"), std::nullopt);
}

TEST_F(RegistryReaderTest, KeysAreOpenedForReadingOnlyAndClosedOnEveryPath) {
    // A key the user may read but not write, as HKEY_LOCAL_MACHINE is for a
    // standard user: asking for more than reading would be refused.
    ScopedRegKey readOnly;
    ASSERT_EQ(RegCreateKeyExW(key_.get(), L"ReadOnly", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              readOnly.receive(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(readOnly.get(), L"Install", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"C:\\QQ"),
                   12);
    auto allow = [&readOnly](const wchar_t* dacl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl, SDDL_REVISION_1, &descriptor,
                                                             nullptr);
        const LONG result =
            RegSetKeySecurity(readOnly.get(), DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        return result;
    };
    EXPECT_EQ(allow(L"D:P(A;;KR;;;WD)"), ERROR_SUCCESS);  // everyone may read, no one write
    EXPECT_EQ(Read("Install", "\\ReadOnly"), "C:\\QQ");
    allow(L"D:(A;;KA;;;WD)");  // so that the test key can be removed again

    // A leaked key would keep its handle taken, so a key opened afterwards
    // would get a handle value far above the one opened before.
    auto probeHandle = [this] {
        ScopedRegKey probe;
        RegOpenKeyExW(key_.get(), nullptr, 0, KEY_READ, probe.receive());
        return reinterpret_cast<UINT_PTR>(probe.get());
    };
    const UINT_PTR before = probeHandle();
    for (int i = 0; i < 3000; ++i) {
        Read("Install", "\\ReadOnly");  // success
        Read("Missing");                // the query fails after the open
    }
    EXPECT_LT(probeHandle(), before + 64);
}

}  // namespace
}  // namespace tessaly::win32
