#include "ui/framework/message_table.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tessaly::ui {
namespace {

// Window messages and notification codes as the system numbers them, spelled
// out because windows.h is not available here.
constexpr std::uint32_t kPaint = 0x000F;
constexpr std::uint32_t kSysCommand = 0x0112;
constexpr std::uint32_t kQueryDragIcon = 0x0037;
constexpr std::uint16_t kClicked = 0;          // BN_CLICKED
constexpr std::uint16_t kEditChange = 0x0300;  // EN_CHANGE

struct Entry {
    RouteKey key;
    int handler;  // which row answered
};

std::uintptr_t CommandParam(std::uint16_t id, std::uint16_t code) {
    return static_cast<std::uintptr_t>(code) << 16 | id;
}

// The rows of the launcher dialog's kind of table: messages first, then
// commands by control.
const Entry kTable[] = {
    {MessageKey(kSysCommand), 1},    {MessageKey(kPaint), 2},
    {MessageKey(kQueryDragIcon), 3}, {CommandKey(1001, kClicked), 4},
    {CommandKey(1004, kClicked), 5}, {CommandKey(1002, kEditChange), 6},
};

int Handler(std::uint32_t message, std::uintptr_t wParam) {
    const Entry* entry = FindRoute(kTable, message, wParam);
    return entry == nullptr ? 0 : entry->handler;
}

TEST(MessageTable, WindowMessagesRouteWhateverTheirParameters) {
    EXPECT_EQ(Handler(kSysCommand, 0xF020), 1);
    EXPECT_EQ(Handler(kSysCommand, 0x10), 1);
    EXPECT_EQ(Handler(kPaint, 0), 2);
    EXPECT_EQ(Handler(kQueryDragIcon, CommandParam(1001, kClicked)), 3);
}

TEST(MessageTable, CommandsRouteByControlAndNotification) {
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1001, kClicked)), 4);
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1004, kClicked)), 5);
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1002, kEditChange)), 6);
}

TEST(MessageTable, OtherIdsAndNotificationsFallThrough) {
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1003, kClicked)), 0);     // id not listed
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1001, kEditChange)), 0);  // wrong code
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1002, kClicked)), 0);     // edit clicked
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1002, 0x0400)), 0);       // EN_UPDATE
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(2, kClicked)), 0);        // IDCANCEL: default
    // The same numbers in another message are not a command.
    EXPECT_EQ(Handler(0x0110, CommandParam(1001, kClicked)), 0);
    EXPECT_EQ(Handler(0x0000, 0), 0);
}

TEST(MessageTable, IdAndCodeComeFromTheLowAndHighWords) {
    // 1001 | 1001 << 16 would match a row that swapped the words.
    EXPECT_EQ(Handler(kCommandMessage, CommandParam(1001, 1001)), 0);
    // Bits above the low 32 (a 64-bit host's wParam) are not part of the command.
    const std::uintptr_t wide = CommandParam(1004, kClicked) | ~std::uintptr_t{0xFFFFFFFF};
    EXPECT_EQ(Handler(kCommandMessage, wide), 5);
}

TEST(MessageTable, FirstMatchingRowWins) {
    const Entry table[] = {
        {CommandKey(7, kClicked), 1},
        {MessageKey(kCommandMessage), 2},  // takes every command after row 1
        {CommandKey(8, kClicked), 3},
        {CommandKey(7, kClicked), 4},
    };
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(7, kClicked))->handler, 1);
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(8, kClicked))->handler, 2);
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(9, kEditChange))->handler, 2);
}

TEST(MessageTable, ControlIdsUseAllSixteenBits) {
    // IDC_STATIC (-1) arrives as 0xFFFF; the top id must neither be lost nor
    // match a neighbour.
    const Entry table[] = {{CommandKey(0xFFFF, kClicked), 1}, {CommandKey(0, kClicked), 2}};
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(0xFFFF, kClicked))->handler, 1);
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(0, kClicked))->handler, 2);
    EXPECT_EQ(FindRoute(table, kCommandMessage, CommandParam(0xFFFE, kClicked)), nullptr);
}

}  // namespace
}  // namespace tessaly::ui
