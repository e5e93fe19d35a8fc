// The application object's start-up contract and resource loading from the
// executable.

#include "ui/framework/application.h"
#include "tests/windows/framework_test_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tessaly::test {
namespace {

constexpr UINT kLeftInQueue = WM_APP + 20;

class TestApplication : public ui::Application {
public:
    explicit TestApplication(std::function<bool(TestApplication&)> start)
        : start_(std::move(start)) {}

    int starts = 0;
    using ui::Application::Enable3dControls;
    using ui::Application::EnableControlContainer;

protected:
    bool InitInstance() override {
        ++starts;
        return start_(*this);
    }

private:
    std::function<bool(TestApplication&)> start_;
};

HINSTANCE ThisModule() {
    return GetModuleHandleA(nullptr);
}

TEST(FrameworkApplication, FalseFromStartUpEndsRunWithoutAMessageLoop) {
    TestApplication app([](TestApplication& a) {
        EXPECT_EQ(a.Instance(), ThisModule());
        // A message loop would take this off the queue.
        PostThreadMessageA(GetCurrentThreadId(), kLeftInQueue, 0, 0);
        return false;
    });
    EXPECT_EQ(app.Run(ThisModule()), 0);
    EXPECT_EQ(app.starts, 1);
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, kLeftInQueue, kLeftInQueue, PM_REMOVE));
}

TEST(FrameworkApplication, TrueFromStartUpRunsTheLoopUntilQuit) {
    TestApplication app([](TestApplication&) {
        PostThreadMessageA(GetCurrentThreadId(), kLeftInQueue, 0, 0);
        PostQuitMessage(7);
        return true;
    });
    EXPECT_EQ(app.Run(ThisModule()), 7);
    EXPECT_EQ(app.starts, 1);
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, kLeftInQueue, kLeftInQueue, PM_REMOVE));
}

TEST(FrameworkApplication, StartUpRunsAModalMainDialog) {
    // The shape of a dialog-based program: switches on, the main dialog on
    // the start-up routine's stack, its result ignored, false.
    TestApplication app([](TestApplication& a) {
        a.EnableControlContainer();
        EXPECT_TRUE(a.Enable3dControls());
        EXPECT_TRUE(a.Enable3dControls());  // a second call is harmless
        TestDialog dialog([&a](TestDialog& d) { EXPECT_EQ(a.MainWindow(), &d); });
        a.SetMainWindow(&dialog);
        EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
        return false;
    });
    EXPECT_EQ(app.Run(ThisModule()), 0);
    // The dialog it named is gone with the start-up routine's stack.
    EXPECT_EQ(app.MainWindow(), nullptr);
    EXPECT_STREQ(app.Title(), "Tessaly");
}

TEST(FrameworkResources, StringsLoadWhole) {
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_SHORT), "short");
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_ASCII_1000), std::string(1000, 'a'));
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_ASCII_256), std::string(256, 'b'));
}

TEST(FrameworkResources, DoubleByteStringsLoadWhole) {
    ASSERT_EQ(GetACP(), 936u) << "the harness runs the tests with code page 936";
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        expected += "\xBA\xBA";  // U+6C49
    }
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_DOUBLE_BYTE_300), expected);
}

TEST(FrameworkResources, MissingStringsAreEmpty) {
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_ABSENT_IN_BLOCK), "");
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_ABSENT_BLOCK), "");
}

TEST(FrameworkResources, IconsLoadFromTheExecutable) {
    const HICON icon = ui::Dialog::LoadIconResource(IDI_FRAMEWORK_TEST);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(ui::Dialog::LoadIconResource(IDI_FRAMEWORK_MISSING), nullptr);
}

}  // namespace
}  // namespace tessaly::test
