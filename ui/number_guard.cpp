#include "ui/number_guard.h"

#include <algorithm>

namespace tessaly {

std::string GuardNumber(const std::string& text, std::string& lastAcceptedNumber) {
    const bool allDigits =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.size() > kMaxNumberLength || !allDigits) {
        return lastAcceptedNumber;
    }
    lastAcceptedNumber = text;
    return text;
}

}  // namespace tessaly
