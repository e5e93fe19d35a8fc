// The dialog framework in a real modal loop under Wine, on a test-only
// template: message routing, data exchange, default OK/cancel handling,
// handler answers and string loading.

#include "tests/windows/framework_test_ids.h"
#include "ui/framework/dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace tessaly::test {
namespace {

constexpr UINT kRunScenario = WM_APP + 1;
constexpr UINT kFinish = WM_APP + 2;
constexpr INT_PTR kScenarioDone = 77;  // the result when the scenario did not end the dialog

// Plays one scenario from inside its own modal loop (posted from
// OnInitDialog, so the window is complete), then ends with kScenarioDone
// unless the scenario ended it first.
class TestDialog : public ui::Dialog {
public:
    explicit TestDialog(std::function<void(TestDialog&)> scenario)
        : ui::Dialog(IDD_FRAMEWORK_TEST), scenario_(std::move(scenario)) {}

    std::string name;                   // bound to IDC_FW_NAME
    std::string notes;                  // bound to IDC_FW_NOTES
    std::function<void()> midExchange;  // runs between the two bindings
    int scenarioRuns = 0, nameChanges = 0, clicksA = 0, clicksB = 0, sysCommands = 0;

    // Checks that the scenario ran, so no test passes on skipped expectations.
    INT_PTR Run() {
        const INT_PTR result = RunModal();
        EXPECT_EQ(scenarioRuns, 1);
        return result;
    }

protected:
    bool OnInitDialog() override {
        PostMessageA(Handle(), kRunScenario, 0, 0);
        return ui::Dialog::OnInitDialog();
    }
    void DoDataExchange(ui::DataExchange& dx) override {
        dx.Text(IDC_FW_NAME, name);
        if (midExchange) {
            midExchange();
        }
        dx.Text(IDC_FW_NOTES, notes);
    }
    ui::MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const ui::Route<TestDialog> kMessageTable[];

    ui::MessageResult OnRunScenario(WPARAM, LPARAM) {
        ++scenarioRuns;
        scenario_(*this);
        PostMessageA(Handle(), kFinish, 0, 0);  // behind whatever the scenario posted
        return 0;
    }
    ui::MessageResult OnFinish(WPARAM, LPARAM) {
        EndDialog(kScenarioDone);
        return 0;
    }
    ui::MessageResult OnQueryDragIcon(WPARAM, LPARAM) {
        return reinterpret_cast<LRESULT>(LoadIconResource(IDI_FRAMEWORK_TEST));
    }
    ui::MessageResult OnSysCommand(WPARAM, LPARAM) {
        ++sysCommands;
        return std::nullopt;
    }
    void OnNameChange() { ++nameChanges; }
    void OnClickA() { ++clicksA; }
    void OnClickB() { ++clicksB; }

    std::function<void(TestDialog&)> scenario_;
};

const ui::Route<TestDialog> TestDialog::kMessageTable[] = {
    ui::OnMessage(kRunScenario, &TestDialog::OnRunScenario),
    ui::OnMessage(kFinish, &TestDialog::OnFinish),
    ui::OnMessage(WM_QUERYDRAGICON, &TestDialog::OnQueryDragIcon),
    ui::OnMessage(WM_SYSCOMMAND, &TestDialog::OnSysCommand),
    ui::OnEditChange(IDC_FW_NAME, &TestDialog::OnNameChange),
    ui::OnClicked(IDC_FW_BUTTON_A, &TestDialog::OnClickA),
    ui::OnClicked(IDC_FW_BUTTON_B, &TestDialog::OnClickB),
};

ui::MessageResult TestDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThrough(kMessageTable, *this, message, wParam, lParam);
}

// User-style input: the button's own click handling sends BN_CLICKED, the
// edit's own typing sends EN_CHANGE.
void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}
void Type(HWND edit, char character) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(character), 1);
}

// `count` Chinese characters, each followed by a letter.
std::string MixedText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "汉";
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

TEST(FrameworkDialog, ClicksAndTypingReachOnlyTheirOwnHandlers) {
    TestDialog dialog([](TestDialog& d) {
        Click(d.Item(IDC_FW_BUTTON_A));
        EXPECT_EQ(d.clicksA, 1);
        EXPECT_EQ(d.clicksB, 0);
        Click(d.Item(IDC_FW_BUTTON_B));
        EXPECT_EQ(d.clicksA, 1);
        EXPECT_EQ(d.clicksB, 1);
        Type(d.Item(IDC_FW_NAME), 'a');
        EXPECT_EQ(d.nameChanges, 1);
        Type(d.Item(IDC_FW_NOTES), 'b');  // the notes box has no row
        EXPECT_EQ(d.nameChanges, 1);
    });
    EXPECT_EQ(dialog.Run(), kScenarioDone);
}

TEST(FrameworkDataExchange, LoadRewritesOnlyChangedControlsAndStartsNoHandler) {
    TestDialog dialog([](TestDialog& d) {
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NAME)), "Ann");  // loaded on initialisation
        EXPECT_EQ(d.nameChanges, 0);
        const HWND notes = d.Item(IDC_FW_NOTES);
        SendMessageA(notes, EM_SETSEL, 1, 3);
        d.name = "Bob";
        EXPECT_TRUE(d.UpdateData(false));
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NAME)), "Bob");
        EXPECT_EQ(d.nameChanges, 0);
        // The equal notes text was left alone, so the user's selection survives.
        EXPECT_EQ(SendMessageA(notes, EM_GETSEL, 0, 0), MAKELONG(1, 3));
    });
    dialog.name = "Ann";
    dialog.notes = "Annabel";
    dialog.Run();
}

TEST(FrameworkDataExchange, SaveCopiesLongTextsWholeAndNoNotificationReachesAHandlerMeanwhile) {
    const std::string longText = MixedText(1500);  // 3000 characters, 6000 bytes
    TestDialog dialog([&longText](TestDialog& d) {
        ui::SetText(d.Item(IDC_FW_NAME), longText);
        ui::SetText(d.Item(IDC_FW_NOTES), "");
        const int changesBefore = d.nameChanges;
        d.midExchange = [&d] {
            Click(d.Item(IDC_FW_BUTTON_A));
            Type(d.Item(IDC_FW_NAME), 'z');
        };
        EXPECT_TRUE(d.UpdateData(true));
        d.midExchange = nullptr;
        EXPECT_EQ(d.name, longText);
        EXPECT_EQ(d.notes, "");
        EXPECT_EQ(d.clicksA, 0);
        EXPECT_EQ(d.nameChanges, changesBefore);
    });
    dialog.notes = "stale";
    dialog.Run();
}

TEST(FrameworkDialog, OkSavesAndEndsWithIdOkCancelEndsWithoutSaving) {
    for (const int button : {IDOK, IDCANCEL}) {
        TestDialog dialog([button](TestDialog& d) {
            ui::SetText(d.Item(IDC_FW_NAME), "typed");
            Click(d.Item(button));
        });
        dialog.name = "Ann";
        EXPECT_EQ(dialog.Run(), button);
        EXPECT_EQ(dialog.name, button == IDOK ? "typed" : "Ann");
    }
}

TEST(FrameworkDialog, HandlerAnswersReachTheSenderAndDeclinedMessagesTheSystem) {
    TestDialog dialog([](TestDialog& d) {
        // WM_QUERYDRAGICON's answer is the dialog procedure's return value.
        const HICON icon = ui::Dialog::LoadIconResource(IDI_FRAMEWORK_TEST);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(SendMessageA(d.Handle(), WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(icon));
        SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_EQ(d.sysCommands, 1);
        EXPECT_TRUE(IsIconic(d.Handle()));
    });
    dialog.Run();
}

TEST(FrameworkResources, LongChineseStringsLoadWhole) {
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        expected += "汉";
    }
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_CHINESE_300), expected);
    EXPECT_EQ(ui::Dialog::LoadStringResource(IDS_FW_CHINESE_300 + 1), "");
}

}  // namespace
}  // namespace tessaly::test
