#pragma once

#include <QString>

#include "qt/dialogs/DialogLayout.h"

#include "core/huetest/HueTestState.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tintwatch {

inline constexpr const char* kTesterEmail = "tintwatch@example.org";
// The set-up instructions, in the installed language.
QString TesterInstructions();

// "Hue Check Test": the set-up of a run and, after one, its result.
class Tester : public ButtonOnlyDialog {
  Q_OBJECT

 public:
  explicit Tester(HueTestState& state, QWidget* parent = nullptr);

  void Form_Load();
  void OKButton_Click();
  void CancelButton_Click();

 private:
  HueTestState& state_;
  QRadioButton* option1_;
  QRadioButton* option2_;
  QRadioButton* option3_;
  QPlainTextEdit* textResult_;
  QLabel* labelAns_;
  QLineEdit* textEmail_;
  QLineEdit* textPause_;
};

}  // namespace tintwatch
