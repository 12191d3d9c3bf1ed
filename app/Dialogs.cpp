#include "app/Dialogs.h"

namespace tintwatch {

DialogFactory StandardDialogs() { return {}; }

}  // namespace tintwatch
