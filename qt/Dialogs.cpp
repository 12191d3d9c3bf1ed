#include "qt/Dialogs.h"

#include "qt/dialogs/Tester.h"
#include "qt/dialogs/frmAbout.h"
#include "qt/dialogs/frmOptions.h"

namespace tintwatch {

DialogFactory StandardDialogs() {
  DialogFactory dialogs;
  dialogs.options = [](QWidget* parent, ClockSettings& settings) -> QDialog* {
    return new frmOptions(parent, settings);
  };
  dialogs.tester = [](QWidget* parent, HueTestState& state) -> QDialog* { return new Tester(state, parent); };
  dialogs.about = [](QWidget* parent) -> QDialog* { return new frmAbout(parent); };
  return dialogs;
}

}  // namespace tintwatch
