#include "tests/windows/framework_test_dialog.h"

#include <gtest/gtest.h>

namespace tessaly::test {

const ui::Route<TestDialog> TestDialog::kMessageTable[] = {
    ui::OnMessage(kRunScenario, &TestDialog::OnRunScenario),
    ui::OnMessage(kFinish, &TestDialog::OnFinish),
    ui::OnMessage(kAskAnswer, &TestDialog::OnAskAnswer),
    ui::OnMessage(WM_QUERYDRAGICON, &TestDialog::OnQueryDragIcon),
    ui::OnMessage(WM_SYSCOMMAND, &TestDialog::OnSysCommand),
    ui::OnMessage(WM_SETFONT, &TestDialog::OnSetFont),
    ui::OnEditChange(IDC_FW_NAME, &TestDialog::OnNameChange),
    ui::OnClicked(IDC_FW_BUTTON_A, &TestDialog::OnClickA),
    ui::OnClicked(IDC_FW_BUTTON_B, &TestDialog::OnClickB),
    ui::OnClicked(IDC_FW_RADIO, &TestDialog::OnRadio),
};

ui::MessageResult TestDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteThrough(kMessageTable, *this, message, wParam, lParam);
}

bool TestDialog::OnInitDialog() {
    const bool focusFirst = ui::Dialog::OnInitDialog();
    PostMessageA(Handle(), kRunScenario, 0, 0);
    return focusFirst;
}

void TestDialog::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_FW_NAME, name);
    if (bindMissingControl) {
        std::string nowhere = "unchanged";
        dx.Text(IDC_FW_UNBOUND, nowhere);
        EXPECT_EQ(nowhere, "unchanged");
    }
    if (midExchange) {
        midExchange();
    }
    dx.Text(IDC_FW_CITY, city);
    dx.Text(IDC_FW_NOTES, notes);
}

ui::MessageResult TestDialog::OnRunScenario(WPARAM, LPARAM) {
    ++scenarioRuns;
    focusOnFirstTabStop = GetFocus() == Item(IDC_FW_NAME);
    if (scenario_) {
        scenario_(*this);
    }
    // Queued behind whatever the scenario posted, so those messages come first.
    PostMessageA(Handle(), kFinish, 0, 0);
    return 0;
}

ui::MessageResult TestDialog::OnFinish(WPARAM, LPARAM) {
    EndDialog(kScenarioFinished);
    return 0;
}

ui::MessageResult TestDialog::OnAskAnswer(WPARAM, LPARAM) {
    return kAnswer;
}

ui::MessageResult TestDialog::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(dragIcon);
}

ui::MessageResult TestDialog::OnSysCommand(WPARAM wParam, LPARAM) {
    ++sysCommands;
    if (swallowMinimize && (wParam & 0xFFF0) == SC_MINIMIZE) {
        return 0;
    }
    return std::nullopt;
}

ui::MessageResult TestDialog::OnSetFont(WPARAM, LPARAM) {
    ++setFontMessages;
    return std::nullopt;
}

INT_PTR RunScenario(TestDialog& dialog) {
    const int before = dialog.scenarioRuns;
    const INT_PTR result = dialog.RunModal();
    EXPECT_EQ(dialog.scenarioRuns, before + 1) << "the scenario did not run";
    return result;
}

void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

void Type(HWND edit, char character) {
    SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(character), 1);
}

}  // namespace tessaly::test
