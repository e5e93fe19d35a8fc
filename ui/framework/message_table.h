#pragma once

// The lookup behind a dialog's message table, over messages as plain
// integers.

#include <cstddef>
#include <cstdint>

namespace tessaly::ui {

// WM_COMMAND; dialog.cpp checks it against windows.h.
constexpr std::uint32_t kCommandMessage = 0x0111;

enum class RouteKind : std::uint8_t {
    Message,  // any occurrence of one window message
    Command,  // WM_COMMAND from one control id with one notification code
};

struct RouteKey {
    RouteKind kind;
    std::uint32_t message;       // Message: the window message
    std::uint16_t controlId;     // Command: LOWORD(wParam)
    std::uint16_t notification;  // Command: HIWORD(wParam)
};

constexpr RouteKey MessageKey(std::uint32_t message) {
    return {RouteKind::Message, message, 0, 0};
}

constexpr RouteKey CommandKey(std::uint16_t controlId, std::uint16_t notification) {
    return {RouteKind::Command, kCommandMessage, controlId, notification};
}

constexpr bool Matches(const RouteKey& key, std::uint32_t message, std::uintptr_t wParam) {
    if (key.message != message) {
        return false;
    }
    if (key.kind == RouteKind::Message) {
        return true;
    }
    // wParam is 64 bits wide on a 64-bit host; only its low 32 carry the command.
    const auto id = static_cast<std::uint16_t>(wParam & 0xFFFF);
    const auto code = static_cast<std::uint16_t>((wParam >> 16) & 0xFFFF);
    return id == key.controlId && code == key.notification;
}

// The first entry (anything with a `key` member) that takes the message, or
// nullptr so that the caller falls back to default handling. First match wins,
// so a table reads top to bottom like a switch.
template <class Entry, std::size_t N>
constexpr const Entry* FindRoute(const Entry (&table)[N], std::uint32_t message,
                                 std::uintptr_t wParam) {
    for (const Entry& entry : table) {
        if (Matches(entry.key, message, wParam)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace tessaly::ui
