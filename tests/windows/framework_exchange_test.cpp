// Data exchange between a dialog's controls and its members, in a real
// dialog: both directions, the untouched equal control, the notification
// lockout, long and double-byte texts.

#include "tests/windows/framework_test_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace tessaly::test {
namespace {

// Counts the WM_SETTEXT messages that reach a control while it lives.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND control) : control_(control) {
        installed_ = SetWindowSubclass(control_, &Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~SetTextCounter() { RemoveWindowSubclass(control_, &Procedure, 1); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;

    bool installed() const { return installed_ != FALSE; }
    int count() const { return count_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
        if (message == WM_SETTEXT) {
            ++reinterpret_cast<SetTextCounter*>(self)->count_;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND control_;
    BOOL installed_;
    int count_ = 0;
};

// `units` repetitions of a double-byte character (code page 936) and two
// ASCII letters: longer than any fixed buffer a careless reader might use.
std::string MixedText(std::size_t units) {
    std::string text;
    for (std::size_t i = 0; i < units; ++i) {
        text += "\xBA\xBA";  // U+6C49
        text += static_cast<char>('a' + i % 26);
        text += 'Z';
    }
    return text;
}

DWORD Selection(HWND edit) {
    return static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
}

TEST(FrameworkDataExchange, LoadCopiesEveryMemberAndStartsNoChangeHandler) {
    TestDialog dialog([](TestDialog& d) {
        d.name = "Bob";
        d.city.clear();
        d.notes = MixedText(1000);
        EXPECT_TRUE(d.UpdateData(false));
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NAME)), "Bob");
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_CITY)), "");
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NOTES)), d.notes);
        EXPECT_EQ(d.nameChanges, 0);
        // The lockout ends with the exchange: typing is heard again.
        Type(d.Item(IDC_FW_NAME), 'x');
        EXPECT_EQ(d.nameChanges, 1);
    });
    dialog.name = "Ann";
    dialog.city = "Oslo";
    RunScenario(dialog);
}

TEST(FrameworkDataExchange, LoadLeavesAControlAloneWhenItsTextEqualsTheMember) {
    TestDialog dialog([](TestDialog& d) {
        const HWND name = d.Item(IDC_FW_NAME);
        SetTextCounter nameWrites(name);
        SetTextCounter cityWrites(d.Item(IDC_FW_CITY));
        ASSERT_TRUE(nameWrites.installed() && cityWrites.installed());
        SendMessageA(name, EM_SETSEL, 1, 3);
        d.city = "Rome";
        EXPECT_TRUE(d.UpdateData(false));
        EXPECT_EQ(nameWrites.count(), 0);
        EXPECT_EQ(Selection(name), static_cast<DWORD>(MAKELONG(1, 3)));
        EXPECT_EQ(cityWrites.count(), 1);
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_CITY)), "Rome");
        // A second load finds everything equal and writes nothing.
        EXPECT_TRUE(d.UpdateData(false));
        EXPECT_EQ(cityWrites.count(), 1);
    });
    dialog.name = "Annabel";
    dialog.city = "Oslo";
    RunScenario(dialog);
}

TEST(FrameworkDataExchange, SaveReadsWholeTextsOfAnyLength) {
    TestDialog dialog([](TestDialog& d) {
        const std::string longText = MixedText(1000);  // 4000 bytes, 3000 characters
        SetWindowTextA(d.Item(IDC_FW_NAME), longText.c_str());
        SetWindowTextA(d.Item(IDC_FW_CITY), "");
        SetWindowTextA(d.Item(IDC_FW_NOTES), "x");
        EXPECT_TRUE(d.UpdateData(true));
        EXPECT_EQ(d.name.size(), longText.size());
        EXPECT_EQ(d.name, longText);
        EXPECT_EQ(d.city, "");
        EXPECT_EQ(d.notes, "x");
    });
    dialog.city = "stale";
    dialog.notes = "stale";
    RunScenario(dialog);
}

TEST(FrameworkDataExchange, NoNotificationReachesTheTableWhileEitherDirectionRuns) {
    for (const bool save : {true, false}) {
        SCOPED_TRACE(save ? "save" : "load");
        TestDialog dialog([save](TestDialog& d) {
            int hookRuns = 0;
            d.midExchange = [&d, &hookRuns] {
                ++hookRuns;
                Click(d.Item(IDC_FW_BUTTON_A));
                Type(d.Item(IDC_FW_NAME), 'z');
            };
            EXPECT_TRUE(d.UpdateData(save));
            d.midExchange = nullptr;
            EXPECT_EQ(hookRuns, 1);
            EXPECT_EQ(d.clicksA, 0);
            EXPECT_EQ(d.nameChanges, 0);
            // The same input after the exchange reaches the handlers.
            Click(d.Item(IDC_FW_BUTTON_A));
            Type(d.Item(IDC_FW_NAME), 'z');
            EXPECT_EQ(d.clicksA, 1);
            EXPECT_EQ(d.nameChanges, 1);
        });
        RunScenario(dialog);
    }
}

TEST(FrameworkDataExchange, ABindingToAMissingControlFailsButTheOthersStillRun) {
    TestDialog dialog([](TestDialog& d) {
        d.bindMissingControl = true;
        SetWindowTextA(d.Item(IDC_FW_CITY), "Bergen");
        EXPECT_FALSE(d.UpdateData(true));
        EXPECT_EQ(d.city, "Bergen");
        d.notes = "loaded";
        EXPECT_FALSE(d.UpdateData(false));
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NOTES)), "loaded");
    });
    RunScenario(dialog);
}

TEST(FrameworkDataExchange, NothingToExchangeWithoutAWindow) {
    TestDialog dialog(nullptr);
    dialog.name = "kept";
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_FALSE(dialog.UpdateData(false));
    EXPECT_EQ(dialog.name, "kept");
}

}  // namespace
}  // namespace tessaly::test
