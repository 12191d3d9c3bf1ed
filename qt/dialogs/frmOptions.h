#pragma once

#include "qt/dialogs/DialogLayout.h"

#include "core/face/ClockSettings.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tintwatch {

// "Clock Options": the one place where the settings are edited. Filled from
// the settings when it opens; OK writes them back, Cancel and the close box
// change nothing; Enter and Escape do nothing.
class frmOptions : public ButtonOnlyDialog {
  Q_OBJECT

 public:
  frmOptions(QWidget* parent, ClockSettings& settings);

  void Form_Load();
  void OKButton_Click();
  void CancelButton_Click() { close(); }

 private:
  ClockSettings& settings_;
  QRadioButton* optionHue_;
  QRadioButton* optionRgb_;
  QRadioButton* optionLab_;
  QRadioButton* option1_;
  QRadioButton* option2_;
  QRadioButton* option5_;
  QLineEdit* satMax_;
  QLineEdit* satMin_;
  QLineEdit* briMax_;
  QLineEdit* briMin_;
  QCheckBox* smooth_;
};

}  // namespace tintwatch
