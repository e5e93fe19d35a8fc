#pragma once

#include "ui/framework/dialog.h"
#include "tests/windows/framework_test_ids.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tessaly::test {

constexpr UINT kRunScenario = WM_APP + 1;
constexpr UINT kFinish = WM_APP + 2;
constexpr UINT kAskAnswer = WM_APP + 3;  // answered through DWLP_MSGRESULT
constexpr LRESULT kAnswer = 0x5A17;
constexpr INT_PTR kScenarioFinished = 77;  // the result when the scenario did not end the dialog

// The test template's dialog. It runs one scenario from inside its own modal
// loop (posted from OnInitDialog, so the window is complete and shown), then
// ends with kScenarioFinished unless the scenario ended it first. Members are
// public so scenarios can arrange and inspect them.
class TestDialog : public ui::Dialog {
public:
    using Scenario = std::function<void(TestDialog&)>;
    explicit TestDialog(Scenario scenario, UINT templateId = IDD_FRAMEWORK_TEST)
        : ui::Dialog(templateId), scenario_(std::move(scenario)) {}

    // Bound, in this order, to IDC_FW_NAME, IDC_FW_CITY, IDC_FW_NOTES.
    std::string name;
    std::string city;
    std::string notes;
    bool bindMissingControl = false;    // adds a binding to IDC_FW_UNBOUND after name
    std::function<void()> midExchange;  // runs between the name and city bindings
    bool swallowMinimize = false;       // the system command handler takes SC_MINIMIZE
    HICON dragIcon = nullptr;

    // What reached the handlers.
    int scenarioRuns = 0;
    int nameChanges = 0;
    int clicksA = 0;
    int clicksB = 0;
    int radioClicks = 0;
    int sysCommands = 0;
    int setFontMessages = 0;
    bool focusOnFirstTabStop = false;  // as the scenario started

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    ui::MessageResult RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static const ui::Route<TestDialog> kMessageTable[];

    ui::MessageResult OnRunScenario(WPARAM, LPARAM);
    ui::MessageResult OnFinish(WPARAM, LPARAM);
    ui::MessageResult OnAskAnswer(WPARAM, LPARAM);
    ui::MessageResult OnQueryDragIcon(WPARAM, LPARAM);
    ui::MessageResult OnSysCommand(WPARAM wParam, LPARAM);
    ui::MessageResult OnSetFont(WPARAM, LPARAM);
    void OnNameChange() { ++nameChanges; }
    void OnClickA() { ++clicksA; }
    void OnClickB() { ++clicksB; }
    void OnRadio() { ++radioClicks; }

    Scenario scenario_;
};

// Runs the dialog modally and checks that its scenario ran, so that no test
// passes on expectations that were never evaluated.
INT_PTR RunScenario(TestDialog& dialog);

// User-style input: a real click (the button's own mouse handling sends
// BN_CLICKED) and a typed character (the edit sends EN_CHANGE).
void Click(HWND button);
void Type(HWND edit, char character);

}  // namespace tessaly::test
