#pragma once

#include <string>

namespace tessaly {

// Shows a modal message with an OK button and returns when the user closes it.
// (Not called MessageBox: windows.h makes that name a macro.)
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Show(const std::string& text) = 0;
};

}  // namespace tessaly
