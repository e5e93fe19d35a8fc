// The dialog framework in a real modal loop: message table routing, handler
// answers, the default OK/cancel handling and the system's own behaviour.

#include "tests/windows/framework_test_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tessaly::test {
namespace {

TEST(FrameworkMessageTable, ClicksReachOnlyTheHandlerOfTheirButton) {
    TestDialog dialog([](TestDialog& d) {
        Click(d.Item(IDC_FW_BUTTON_A));
        EXPECT_EQ(d.clicksA, 1);
        EXPECT_EQ(d.clicksB, 0);
        Click(d.Item(IDC_FW_BUTTON_B));
        Click(d.Item(IDC_FW_BUTTON_B));
        EXPECT_EQ(d.clicksA, 1);
        EXPECT_EQ(d.clicksB, 2);
        Click(d.Item(IDC_FW_RADIO));
        EXPECT_EQ(d.radioClicks, 1);
        EXPECT_EQ(d.clicksA + d.clicksB, 3);
        // Another notification from a routed button matches no row.
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FW_BUTTON_A, BN_SETFOCUS),
                     reinterpret_cast<LPARAM>(d.Item(IDC_FW_BUTTON_A)));
        EXPECT_EQ(d.clicksA, 1);
    });
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
}

TEST(FrameworkMessageTable, TypingReachesTheChangeHandlerOfThatEditOnly) {
    TestDialog dialog([](TestDialog& d) {
        Type(d.Item(IDC_FW_NAME), 'a');
        EXPECT_EQ(d.nameChanges, 1);
        Type(d.Item(IDC_FW_NAME), 'b');
        EXPECT_EQ(d.nameChanges, 2);
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NAME)), "ab");
        Type(d.Item(IDC_FW_CITY), 'c');  // the city box has no row
        EXPECT_EQ(d.nameChanges, 2);
        // A click code from the name box is not a change.
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FW_NAME, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.Item(IDC_FW_NAME)));
        EXPECT_EQ(d.nameChanges, 2);
    });
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
}

TEST(FrameworkMessageTable, HandlerAnswersReachTheSender) {
    TestDialog dialog([](TestDialog& d) {
        ASSERT_NE(d.dragIcon, nullptr);
        // WM_QUERYDRAGICON's answer is the dialog procedure's return value...
        EXPECT_EQ(SendMessageA(d.Handle(), WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(d.dragIcon));
        // ...an ordinary message's goes through DWLP_MSGRESULT.
        SetWindowLongPtrA(d.Handle(), DWLP_MSGRESULT, 0);
        EXPECT_EQ(SendMessageA(d.Handle(), kAskAnswer, 0, 0), kAnswer);
    });
    dialog.dragIcon = ui::Dialog::LoadIconResource(IDI_FRAMEWORK_TEST);
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
}

TEST(FrameworkMessageTable, DeclinedSystemCommandsKeepTheirStandardBehaviour) {
    TestDialog dialog([](TestDialog& d) {
        SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_EQ(d.sysCommands, 1);
        EXPECT_TRUE(IsIconic(d.Handle()));
        SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_EQ(d.sysCommands, 2);
        EXPECT_FALSE(IsIconic(d.Handle()));
    });
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
}

TEST(FrameworkMessageTable, HandledSystemCommandsSkipTheStandardBehaviour) {
    TestDialog dialog([](TestDialog& d) {
        SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_EQ(d.sysCommands, 1);
        EXPECT_FALSE(IsIconic(d.Handle()));
    });
    dialog.swallowMinimize = true;
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
}

TEST(FrameworkDialog, InitialisationLoadsTheMembersThenFocusesTheFirstTabStop) {
    TestDialog dialog([](TestDialog& d) {
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NAME)), "Ann");
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_CITY)), "Oslo");
        EXPECT_EQ(ui::WindowText(d.Item(IDC_FW_NOTES)), "");
        EXPECT_EQ(d.nameChanges, 0);  // the load started no handler
    });
    dialog.name = "Ann";
    dialog.city = "Oslo";
    RunScenario(dialog);
    EXPECT_TRUE(dialog.focusOnFirstTabStop);
    // DS_SETFONT sends WM_SETFONT while the dialog is created, before
    // WM_INITDIALOG hands over the object; the table must not see it.
    EXPECT_EQ(dialog.setFontMessages, 0);
}

TEST(FrameworkDialog, SetRadioCheckRaisesNoClick) {
    TestDialog dialog([](TestDialog& d) {
        d.SetRadioCheck(IDC_FW_RADIO, true);
        EXPECT_EQ(SendMessageA(d.Item(IDC_FW_RADIO), BM_GETCHECK, 0, 0), BST_CHECKED);
        d.SetRadioCheck(IDC_FW_RADIO, false);
        EXPECT_EQ(SendMessageA(d.Item(IDC_FW_RADIO), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(d.radioClicks, 0);
    });
    RunScenario(dialog);
}

TEST(FrameworkDialog, HandleExistsOnlyWhileRunningAndTheDialogRunsAgain) {
    HWND seen = nullptr;
    TestDialog dialog([&seen](TestDialog& d) {
        seen = d.Handle();
        EXPECT_TRUE(IsWindow(d.Handle()));
    });
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(RunScenario(dialog), kScenarioFinished);
    EXPECT_EQ(dialog.scenarioRuns, 2);
}

TEST(FrameworkDialog, MissingTemplateFailsWithoutRunning) {
    TestDialog dialog([](TestDialog&) { ADD_FAILURE() << "no dialog to run in"; },
                      IDD_FRAMEWORK_MISSING);
    EXPECT_EQ(dialog.RunModal(), -1);
    EXPECT_EQ(dialog.scenarioRuns, 0);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

// The default handling of IDOK and IDCANCEL, reached the ways a user reaches
// it. The dialog opens with known members, the "user" edits two boxes, then
// `close` ends the dialog.
struct Closing {
    INT_PTR result;
    std::string name;
    std::string city;
};

Closing EditThenClose(const std::function<void(TestDialog&)>& close) {
    TestDialog dialog([&close](TestDialog& d) {
        SetWindowTextA(d.Item(IDC_FW_NAME), "typed name");
        SetWindowTextA(d.Item(IDC_FW_CITY), "");
        close(d);
    });
    dialog.name = "Ann";
    dialog.city = "Oslo";
    const INT_PTR result = RunScenario(dialog);
    return {result, dialog.name, dialog.city};
}

void ExpectSaved(const Closing& closing) {
    EXPECT_EQ(closing.result, IDOK);
    EXPECT_EQ(closing.name, "typed name");
    EXPECT_EQ(closing.city, "");
}

void ExpectCancelled(const Closing& closing) {
    EXPECT_EQ(closing.result, IDCANCEL);
    EXPECT_EQ(closing.name, "Ann");
    EXPECT_EQ(closing.city, "Oslo");
}

TEST(FrameworkDefaultHandling, OkButtonSavesThenEndsWithIdOk) {
    ExpectSaved(EditThenClose([](TestDialog& d) { Click(d.Item(IDOK)); }));
}

TEST(FrameworkDefaultHandling, EnterKeyInAnEditSendsOk) {
    ExpectSaved(EditThenClose(
        [](TestDialog& d) { PostMessageA(d.Item(IDC_FW_CITY), WM_KEYDOWN, VK_RETURN, 0); }));
}

TEST(FrameworkDefaultHandling, CancelButtonEndsWithoutSaving) {
    ExpectCancelled(EditThenClose([](TestDialog& d) { Click(d.Item(IDCANCEL)); }));
}

TEST(FrameworkDefaultHandling, EscapeKeyCancels) {
    ExpectCancelled(EditThenClose(
        [](TestDialog& d) { PostMessageA(d.Item(IDC_FW_NAME), WM_KEYDOWN, VK_ESCAPE, 0); }));
}

TEST(FrameworkDefaultHandling, CloseBoxCancelsPastTheSystemCommandHandler) {
    int sysCommands = 0;
    ExpectCancelled(EditThenClose([&sysCommands](TestDialog& d) {
        SendMessageA(d.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        sysCommands = d.sysCommands;
    }));
    EXPECT_EQ(sysCommands, 1);
}

}  // namespace
}  // namespace tessaly::test
