// The registry adapter against Wine's real registry, on a test key created
// under HKEY_CURRENT_USER and removed afterwards.
#include "platform/registry_lookups.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_registry_reader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tessaly::win32 {
namespace {

class RegistryReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        subkey_ = "Software\\TessalyTest\\" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, key_.receive(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TessalyTest"); }

    // Stores `size` bytes of `data`, terminator or not.
    void SetRaw(const char* name, const std::string& data, DWORD size, DWORD type = REG_SZ) {
        ASSERT_EQ(RegSetValueExA(key_.get(), name, 0, type,
                                 reinterpret_cast<const BYTE*>(data.c_str()), size),
                  ERROR_SUCCESS);
    }
    void SetString(const char* name, const std::string& text) {
        SetRaw(name, text, static_cast<DWORD>(text.size() + 1));
    }

    bool Read(const std::string& name, std::string* text) {
        return reader_.ReadValue(RegistryRoot::CurrentUser, subkey_, name, text);
    }

    std::string subkey_;
    ScopedRegKey key_;
    Win32RegistryReader reader_;
};

TEST_F(RegistryReaderTest, ReadsTextAndCleansIt) {
    SetString("Folder", "C:\\Program   Files\\QQ");
    std::string text;
    ASSERT_TRUE(Read("Folder", &text));
    EXPECT_EQ(text, "C:\\Program   Files\\QQ");
    EXPECT_EQ(ReadRegistryText(reader_, RegistryRoot::CurrentUser, subkey_, "Folder"),
              "C:\\ProgramFiles\\QQ");
}

TEST_F(RegistryReaderTest, BufferHoldsExactly1024BytesWithTheTerminator) {
    SetString("Fits", std::string(1023, 'x'));
    SetString("TooLong", std::string(1024, 'x'));
    std::string text;
    ASSERT_TRUE(Read("Fits", &text));
    EXPECT_EQ(text, std::string(1023, 'x'));
    EXPECT_FALSE(Read("TooLong", &text));
}

TEST_F(RegistryReaderTest, MissingKeyOrValueFails) {
    std::string text = "untouched";
    EXPECT_FALSE(Read("NoSuchValue", &text));
    EXPECT_FALSE(
        reader_.ReadValue(RegistryRoot::CurrentUser, subkey_ + "\\NoSuchKey", "Folder", &text));
    EXPECT_EQ(text, "untouched");
}

TEST_F(RegistryReaderTest, UnterminatedDataEndsWhereTheReturnedBytesEnd) {
    // The value's type is not examined, and binary data comes back exactly as
    // stored: no terminator is added, so the reader must stop on its own.
    SetRaw("NoTerminator", "D:\\QQ", 5);
    SetRaw("Binary", "D:\\QQ", 5, REG_BINARY);
    SetRaw("FullBuffer", std::string(1024, 'y'), 1024, REG_BINARY);
    SetRaw("EmbeddedZero", std::string("C:\\A\0junk", 9), 9, REG_BINARY);
    std::string text;
    ASSERT_TRUE(Read("NoTerminator", &text));
    EXPECT_EQ(text, "D:\\QQ");
    ASSERT_TRUE(Read("Binary", &text));
    EXPECT_EQ(text, "D:\\QQ");
    ASSERT_TRUE(Read("FullBuffer", &text));
    EXPECT_EQ(text, std::string(1024, 'y'));
    ASSERT_TRUE(Read("EmbeddedZero", &text));
    EXPECT_EQ(text, "C:\\A");
}

TEST_F(RegistryReaderTest, KeyIsClosedOnEveryPath) {
    SetString("Folder", "C:\\QQ");
    // A leaked key would leave its handle taken, so a key opened afterwards
    // would get a handle value far above the one opened before.
    auto probeHandle = [this] {
        ScopedRegKey probe;
        RegOpenKeyExA(HKEY_CURRENT_USER, subkey_.c_str(), 0, KEY_READ, probe.receive());
        return reinterpret_cast<UINT_PTR>(probe.get());
    };
    const UINT_PTR before = probeHandle();
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        Read("Folder", &text);       // success
        Read("NoSuchValue", &text);  // query fails after the open
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
