#include "qt/dialogs/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "qt/dialogs/DialogLayout.h"
#include "qt/dialogs/ParagraphLabel.h"

namespace tintwatch {

namespace {

struct LabelLayout {
  const char* name;
  int tab;
  const char* text;
  int left, top, width, height;
  bool wrap;
  bool centred;
};

// The texts keep their double blanks and the spaces at their ends.
const LabelLayout kLabels[] = {
    {"Label5", 6, "Tint Watch", 1320, 120, 1005, 360, false, false},
    {"Label6", 7, "Version 1.1", 1320, 360, 1005, 360, false, false},
    {"lblVersion", 2, "Colours for telling the time", 600, 720, 2565, 285, false, false},
    {"Label1", 10, "Hue clock", 150, 1065, 1095, 210, false, false},
    {"Label7", 8,
     "The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes.         The "
     "coloured circles give the Hour, Minute and Second",
     150, 1320, 3645, 930, true, false},
    {"Label9", 11, "RGB clock", 150, 2205, 1095, 210, false, false},
    {"Label10", 12,
     "The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from "
     "left to right.",
     150, 2445, 3645, 675, true, false},
    {"Label11", 13, "Lab clock", 150, 3195, 1095, 210, false, false},
    {"Label12", 14,
     "The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value of "
     "the 'a' and 'b' channels.  You read it from left to right.",
     150, 3435, 3645, 870, true, false},
    {"Label8", 9, "Use the left mouse button (on a bit of colour)  to drag the clock around", 120, 4515, 3735, 480,
     true, false},
    {"lblDisclaimer", 1, "This program is dedicated to ", 810, 5280, 2055, 300, false, true},
    {"Label2", 3, "my lovely talented daughter ", 810, 5520, 2055, 300, false, true},
    {"Label4", 5, "Cyan", 810, 5760, 2055, 225, false, true},
    {"Label3", 4, " who understands colour much better than I do!", 930, 6000, 2055, 540, true, true},
};

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Tint Watch"));
  FixDialogFrame(this, 2340, 1935, 4005, 7260);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 192));
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);
  for (const LabelLayout& entry : kLabels) {
    const QString text = QString::fromUtf8(entry.text);
    QLabel* label = entry.wrap ? new ParagraphLabel(text, this) : new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(entry.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((entry.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    PlaceTwips(label, entry.left, entry.top, entry.width, entry.height);
  }
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  PlaceTwips(ok, 1290, 6720, 1260, 345);
  // Enter presses it as the default button; Escape closes the dialog as its cancel.
  ok->setDefault(true);
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  FitTexts(this);
  ok->setFocus(Qt::OtherFocusReason);
}

}  // namespace tintwatch
