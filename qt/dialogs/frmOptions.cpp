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
Widget* Make(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height) {
  auto* widget = new Widget(text, parent);
  widget->setObjectName(QString::fromUtf8(name));
  PlaceTwips(widget, left, top, width, height);
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height) {
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
  setWindowTitle(tr("Clock Options"));
  FixDialogFrame(this, 2760, 3750, 6030, 4905);

  auto* ok = PlainButton(this, "OKButton", tr("OK"), Twips(4500, 3525, 1215, 375));
  auto* cancel = PlainButton(this, "CancelButton", tr("Cancel"), Twips(4500, 4005, 1215, 375));
  auto* typeFrame = Make<TitledFrame>(this, "ClockTypeFrame", tr("Clock Type"), 840, 360, 1575, 1605);
  //: The clock type that shows the hands as hues on a colour wheel.
  optionHue_ = Make<QRadioButton>(typeFrame, "OptionHue", tr("Hue", "clock type"), 240, 240, 975, 375);
  //: The clock type with red, green and blue bars.
  optionRgb_ = Make<QRadioButton>(typeFrame, "OptionRGB", tr("RGB", "clock type"), 240, 680, 975, 375);
  //: The clock type with the CIE Lab a and b bars.
  optionLab_ = Make<QRadioButton>(typeFrame, "OptionLab", tr("Lab", "clock type"), 240, 1120, 975, 375);
  //: How often the clock moves on.
  auto* rateFrame = Make<TitledFrame>(this, "TickRateFrame", tr("Tick Rate"), 855, 3045, 1575, 1425);
  //: A tick rate: %1 is the number of seconds between ticks (1, 2 or 5).
  const char* seconds = QT_TR_NOOP("%1 sec");
  option5_ = Make<QRadioButton>(rateFrame, "Option5", tr(seconds).arg(5), 180, 960, 975, 495);
  option2_ = Make<QRadioButton>(rateFrame, "Option2", tr(seconds).arg(2), 180, 600, 1095, 495);
  option1_ = Make<QRadioButton>(rateFrame, "Option1", tr(seconds).arg(1), 180, 240, 1095, 495);
  satMax_ = MakeBox(this, "SatMaxValue", 4200, 720, 495, 375);
  satMin_ = MakeBox(this, "SatMinValue", 4920, 720, 495, 375);
  //: The headings over the maximum and minimum boxes: the spaces put the second over the second box.
  MakeLabel(this, "Label1", tr("Max        Min"), 4320, 360, 975, 255);
  MakeLabel(this, "Label2", tr("Saturation Level"), 2760, 795, 1215, 255);
  briMax_ = MakeBox(this, "BriMaxValue", 4200, 1200, 495, 375);
  briMin_ = MakeBox(this, "BriMinValue", 4920, 1200, 495, 375);
  MakeLabel(this, "Label3", tr("Brilliance Level"), 2760, 1275, 1215, 255);
  auto* hint = new ParagraphLabel(tr("Make the Max & Min the same if you do not want them to change over time"), this);
  hint->setObjectName(QStringLiteral("Label4"));
  PlaceTwips(hint, 2835, 1680, 2700, 495);
  //: A check box: the hour and minute hands move a little at every tick. "&&" shows as one "&".
  smooth_ = Make<QCheckBox>(this, "OptionSmooth", tr("Smooth running (means the Hr && Mins will not jump)"), 1080,
                            2595, 4305, 285);

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
