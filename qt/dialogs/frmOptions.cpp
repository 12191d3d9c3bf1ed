#include "qt/dialogs/frmOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/dialogs/DialogValues.h"
#include "qt/dialogs/DialogLayout.h"
#include "qt/dialogs/ParagraphLabel.h"

namespace tintwatch {

namespace {

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const char* text, int left, int top, int width, int height) {
  auto* widget = new Widget(QString::fromUtf8(text), parent);
  widget->setObjectName(QString::fromUtf8(name));
  PlaceTwips(widget, left, top, width, height);
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width, int height) {
  auto* label = Make<QLabel>(parent, name, text, left, top, width, height);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  PlaceTwips(box, left, top, width, height);
  return box;
}

}  // namespace

frmOptions::frmOptions(QWidget* parent, ClockSettings& settings) : ButtonOnlyDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(QStringLiteral("Clock Options"));
  FixDialogFrame(this, 2760, 3750, 6030, 4905);

  auto* ok = PlainButton(this, "OKButton", "OK", Twips(4500, 3525, 1215, 375));
  auto* cancel = PlainButton(this, "CancelButton", "Cancel", Twips(4500, 4005, 1215, 375));
  auto* typeFrame = Make<TitledFrame>(this, "ClockTypeFrame", "Clock Type", 840, 360, 1575, 1605);
  optionHue_ = Make<QRadioButton>(typeFrame, "OptionHue", "Hue", 240, 240, 975, 375);
  optionRgb_ = Make<QRadioButton>(typeFrame, "OptionRGB", "RGB", 240, 680, 975, 375);
  optionLab_ = Make<QRadioButton>(typeFrame, "OptionLab", "Lab", 240, 1120, 975, 375);
  auto* rateFrame = Make<TitledFrame>(this, "TickRateFrame", "Tick Rate", 855, 3045, 1575, 1425);
  option5_ = Make<QRadioButton>(rateFrame, "Option5", "5 sec", 180, 960, 975, 495);
  option2_ = Make<QRadioButton>(rateFrame, "Option2", "2 sec", 180, 600, 1095, 495);
  option1_ = Make<QRadioButton>(rateFrame, "Option1", "1 sec", 180, 240, 1095, 495);
  satMax_ = MakeBox(this, "SatMaxValue", 4200, 720, 495, 375);
  satMin_ = MakeBox(this, "SatMinValue", 4920, 720, 495, 375);
  MakeLabel(this, "Label1", "Max        Min", 4320, 360, 975, 255);
  MakeLabel(this, "Label2", "Saturation Level", 2760, 795, 1215, 255);
  briMax_ = MakeBox(this, "BriMaxValue", 4200, 1200, 495, 375);
  briMin_ = MakeBox(this, "BriMinValue", 4920, 1200, 495, 375);
  MakeLabel(this, "Label3", "Brilliance Level", 2760, 1275, 1215, 255);
  auto* hint = new ParagraphLabel(
      QStringLiteral("Make the Max & Min the same if you do not want them to change over time"), this);
  hint->setObjectName(QStringLiteral("Label4"));
  PlaceTwips(hint, 2835, 1680, 2700, 495);
  // A button's "&&" is shown as one "&".
  smooth_ = Make<QCheckBox>(this, "OptionSmooth", "Smooth running (means the Hr && Mins will not jump)", 1080, 2595,
                            4305, 285);

  // The option buttons of each frame form one exclusive group by sharing
  // it; with none checked (a clock type 3 from the file) none is selected.
  ChainTabOrder({ok, cancel, optionHue_, optionRgb_, optionLab_, option5_, option2_, option1_, satMax_, satMin_,
                 briMax_, briMin_, smooth_});

  connect(ok, &QPushButton::clicked, this, &frmOptions::OKButton_Click);
  connect(cancel, &QPushButton::clicked, this, &frmOptions::CancelButton_Click);
  Form_Load();
  FitTexts(this);
  ok->setFocus(Qt::OtherFocusReason);
}

void frmOptions::Form_Load() {
  const OptionsForm form = FillOptions(settings_);
  QRadioButton* types[] = {optionHue_, optionRgb_, optionLab_};
  if (form.clockType >= 0) types[form.clockType]->setChecked(true);
  satMax_->setText(QString::fromStdString(form.satMax));
  satMin_->setText(QString::fromStdString(form.satMin));
  briMax_->setText(QString::fromStdString(form.briMax));
  briMin_->setText(QString::fromStdString(form.briMin));
  smooth_->setChecked(form.smoothRunning);
  if (form.tickRate == 1) option1_->setChecked(true);
  if (form.tickRate == 2) option2_->setChecked(true);
  if (form.tickRate == 5) option5_->setChecked(true);
}

void frmOptions::OKButton_Click() {
  OptionsForm form;
  if (optionHue_->isChecked()) form.clockType = 0;
  if (optionRgb_->isChecked()) form.clockType = 1;
  if (optionLab_->isChecked()) form.clockType = 2;
  form.smoothRunning = smooth_->isChecked();
  if (option1_->isChecked()) form.tickRate = 1;
  if (option2_->isChecked()) form.tickRate = 2;
  if (option5_->isChecked()) form.tickRate = 5;
  form.satMax = satMax_->text().toStdString();
  form.satMin = satMin_->text().toStdString();
  form.briMax = briMax_->text().toStdString();
  form.briMin = briMin_->text().toStdString();
  TakeOptions(form, settings_);
  close();
}

}  // namespace tintwatch
