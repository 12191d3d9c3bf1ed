#include "qt/dialogs/Tester.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/dialogs/DialogValues.h"
#include "qt/dialogs/DialogLayout.h"
#include "qt/dialogs/ParagraphLabel.h"

namespace tintwatch {

QString TesterInstructions() {
  // Runs of spaces make the wrapping label start each part on a new line.
  return Tester::tr(
             "This test will show you whether you can see the difference between Hue colours.  The results are "
             "dependent on you and how good your screen is.  Start with the easy one of just 12 changes in Hue and "
             "work up to 60.") +
         QString(8, QLatin1Char(' ')) +
         Tester::tr(
             "When you press OK, the display will initially show a Red circle, which will change every 1-2 seconds.") +
         QString(65, QLatin1Char(' ')) + Tester::tr("Each time you see a change press any key.") +
         QString(44, QLatin1Char(' ')) +
         Tester::tr("At the end, the display will show you which colours (if any) you could not distinguish.");
}

namespace {

const char* const kPauseNote = QT_TRANSLATE_NOOP(
    "tintwatch::Tester",
    "One may begin to see colour halos on the 60 test, if so then set the pause number and the test will pause after "
    "that number of changes.  The clock may hide the pause display, in which case hit return after the beep!");
//: Followed by the author's e-mail address in a box beside it.
const char* const kResultNote = QT_TRANSLATE_NOOP(
    "tintwatch::Tester",
    "You can copy/paste the above to compare with another test to see how accurate things are.  If you feel like "
    "emailing me your result, I'll put up a graph on my web site so we can all see the problems we have with colour "
    "and our screens.  My email address is");

ParagraphLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                          const QFont& font) {
  auto* label = new ParagraphLabel(text, parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setFont(font);
  label->setGeometry(place);
  return label;
}

QRadioButton* MakeOption(QWidget* frame, const char* name, const QString& text, const QRect& place) {
  auto* option = new QRadioButton(text, frame);
  option->setObjectName(QString::fromUtf8(name));
  option->setGeometry(place);
  return option;
}

}  // namespace

Tester::Tester(HueTestState& state, QWidget* parent) : ButtonOnlyDialog(parent), state_(state) {
  setObjectName(QStringLiteral("Tester"));
  setWindowTitle(tr("Hue Check Test"));
  FixDialogFrame(this, 2760, 3750, 9960, 5640);

  auto* ok = PlainButton(this, "OKButton", tr("OK - start test"), Twips(7725, 3615, 1215, 375));
  auto* cancel = PlainButton(this, "CancelButton", tr("Cancel"), Twips(7725, 4095, 1215, 375));
  //: The frame around the choice of 12, 30 or 60 hue changes in one test.
  auto* frame = new TitledFrame(tr("Number of changes"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(Twips(7095, 270, 2445, 1710));
  //: 12 changes of hue, as many as the hour hand's colours round the clock.
  option1_ = MakeOption(frame, "Option1", tr("12 (ie the 'Hour' hand)"), Twips(225, 375, 2085, 390));
  option2_ = MakeOption(frame, "Option2", QStringLiteral("30"), Twips(210, 840, 1155, 270));
  //: 60 changes of hue, as many as the minute hand's colours round the clock.
  option3_ = MakeOption(frame, "Option3", tr("60 (ie the 'Minute' hand)"), Twips(210, 1230, 2160, 255));
  MakeLabel(this, "Label1", TesterInstructions(), Twips(120, 150, 6675, 2220), TimesNewRoman(12));
  textResult_ = new QPlainTextEdit(this);
  textResult_->setObjectName(QStringLiteral("TextResult"));
  textResult_->setGeometry(Twips(135, 3675, 6990, 795));
  textResult_->setReadOnly(true);  // to select and copy, not to edit
  textResult_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  textResult_->setFont(TimesNewRoman(9.75, true));
  QPalette yellow = textResult_->palette();
  yellow.setColor(QPalette::Base, QColor(255, 255, 192));
  yellow.setColor(QPalette::Text, Qt::black);
  textResult_->setPalette(yellow);
  labelAns_ = MakeLabel(this, "LabelANS", tr(kResultNote), Twips(150, 4560, 6930, 780),
                        TimesNewRoman(9.75));
  textEmail_ = new QLineEdit(this);
  textEmail_->setObjectName(QStringLiteral("TextEMAIL"));
  textEmail_->setGeometry(Twips(7155, 4935, 2370, 360));
  textEmail_->setReadOnly(true);
  auto* pauseNote =
      MakeLabel(this, "Label2", tr(kPauseNote), Twips(120, 2535, 6675, 1095), TimesNewRoman(12));
  textPause_ = new QLineEdit(this);
  textPause_->setObjectName(QStringLiteral("TextPause"));
  textPause_->setGeometry(Twips(6120, 3150, 630, 375));
  // Over the bottom right of the pause note, whose lines end before it.
  textPause_->raise();
  pauseNote->KeepClearOf(textPause_->geometry().translated(-pauseNote->pos()));

  ChainTabOrder({ok, cancel, option1_, option2_, option3_, textResult_, textEmail_, textPause_});
  connect(ok, &QPushButton::clicked, this, &Tester::OKButton_Click);
  connect(cancel, &QPushButton::clicked, this, &Tester::CancelButton_Click);
  Form_Load();
  FitTexts(this);
  ok->setFocus(Qt::OtherFocusReason);
}

void Tester::Form_Load() {
  const TesterForm form = FillTester(state_);
  (form.changes == 30 ? option2_ : form.changes == 60 ? option3_ : option1_)->setChecked(true);
  textResult_->hide();
  labelAns_->hide();
  textEmail_->hide();
  textResult_->setPlainText(QString::fromStdString(state_.ResultText));
  if (!textResult_->toPlainText().isEmpty()) {
    textResult_->show();
    labelAns_->show();
    textEmail_->show();
    textEmail_->setText(QString::fromUtf8(kTesterEmail));
  }
  textPause_->setText(QString::fromStdString(form.pause));
}

void Tester::OKButton_Click() {
  TesterForm form;
  form.changes = option2_->isChecked() ? 30 : option3_->isChecked() ? 60 : 12;
  form.pause = textPause_->text().toStdString();
  TakeTester(form, state_);
  close();
}

void Tester::CancelButton_Click() {
  state_.TestActive = false;
  close();
}

}  // namespace tintwatch
