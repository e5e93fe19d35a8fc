#include "ui/framework/message_table.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tessaly::ui {
namespace {

// Numbers as windows.h spells them, which is not available here.
constexpr std::uint32_t kInitDialog = 0x0110;
constexpr std::uint32_t kSysCommand = 0x0112;
constexpr std::uint16_t kClicked = 0;          // BN_CLICKED
constexpr std::uint16_t kEditChange = 0x0300;  // EN_CHANGE

struct Entry {
    RouteKey key;
    int row;
};

constexpr std::uintptr_t Command(std::uint16_t id, std::uint16_t code) {
    return static_cast<std::uintptr_t>(code) << 16 | id;
}

TEST(MessageTable, FindsTheFirstRowForTheMessageOrTheControlAndNotification) {
    const Entry table[] = {
        {MessageKey(kSysCommand), 1},
        {CommandKey(1001, kClicked), 2},
        {CommandKey(1002, kEditChange), 3},
        {CommandKey(1001, kClicked), 4},  // never reached: row 2 comes first
    };
    const struct {
        std::uint32_t message;
        std::uintptr_t wParam;
        int row;  // 0: no row, the default handling runs
    } cases[] = {
        {kSysCommand, 0xF020, 1},  // a message row takes any parameters
        {kCommandMessage, Command(1001, kClicked), 2},
        {kCommandMessage, Command(1002, kEditChange), 3},
        {kCommandMessage, Command(1003, kClicked), 0},     // id not listed
        {kCommandMessage, Command(1001, kEditChange), 0},  // listed id, other code
        {kCommandMessage, Command(kEditChange, 1002), 0},  // words swapped
        {kInitDialog, Command(1001, kClicked), 0},         // same wParam, not a command
        // Bits above the low 32 (a 64-bit host's wParam) carry no command.
        {kCommandMessage, Command(1001, kClicked) | ~std::uintptr_t{0xFFFFFFFF}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.message << " " << c.wParam);
        const Entry* found = FindRoute(table, c.message, c.wParam);
        EXPECT_EQ(found == nullptr ? 0 : found->row, c.row);
    }
}

}  // namespace
}  // namespace tessaly::ui
