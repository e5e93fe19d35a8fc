#pragma once

#include "ui/framework/application.h"

namespace tessaly {

// Runs the main dialog once; when it closes, the program ends.
class LauncherApp : public ui::Application {
protected:
    bool InitInstance() override;
};

}  // namespace tessaly
