#include "app/Dialogs.h"

#include "dialogs/frmAbout.h"
#include "dialogs/frmOptions.h"
#include "huetest/Tester.h"

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
