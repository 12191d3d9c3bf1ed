#pragma once

#include "qt/Form1.h"

namespace tintwatch {

// The program's real dialogs, as the main window opens them.
DialogFactory StandardDialogs();

}  // namespace tintwatch
