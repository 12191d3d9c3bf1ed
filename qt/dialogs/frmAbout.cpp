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
  const char* text;  // translated, the spaces at its ends kept out of it; none for a name
  const char* before;
  const char* after;
  int left, top, width, height;
  bool wrap;
  bool centred;
};

// The texts keep their double blanks and the spaces at their ends. The
// program's name and the daughter's are names, not translated.
const LabelLayout kLabels[] = {
    {"Label5", 6, nullptr, "Tint Watch", "", 1320, 120, 1005, 360, false, false},
    {"Label6", 7, nullptr, "", "", 1320, 360, 1005, 360, false, false},
    {"lblVersion", 2, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "Colours for telling the time"), "", "", 600, 720, 2565, 285, false, false},
    {"Label1", 10, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "Hue clock"), "", "", 150, 1065, 1095, 210, false, false},
    {"Label7", 8, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "The clock face outer rim is divided into colour hours and then sub-divided into coloured minutes."),
     "", "", 150, 1320, 3645, 930, true, false},
    {"Label9", 11, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "RGB clock"), "", "", 150, 2205, 1095, 210, false, false},
    {"Label10", 12,
     QT_TRANSLATE_NOOP("tintwatch::frmAbout", "The coloured time is shown as 3 bars, with circles showing the value of the RGB channels.  You read it from "
       "left to right."),
     "", "", 150, 2445, 3645, 675, true, false},
    {"Label11", 13, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "Lab clock"), "", "", 150, 3195, 1095, 210, false, false},
    {"Label12", 14,
     QT_TRANSLATE_NOOP("tintwatch::frmAbout", "The coloured time is shown as 3 bars, with +/- bars (coloured in the Lab channel colour) showing the value "
       "of the 'a' and 'b' channels.  You read it from left to right."),
     "", "", 150, 3435, 3645, 870, true, false},
    {"Label8", 9, QT_TRANSLATE_NOOP("tintwatch::frmAbout", "Use the left mouse button (on a bit of colour)  to drag the clock around"), "", "", 120, 4515,
     3735, 480, true, false},
    // The dedication: one sentence over four centred lines, see Dedication().
    {"lblDisclaimer", 1, nullptr, "", " ", 810, 5280, 2055, 300, false, true},
    {"Label2", 3, nullptr, "", " ", 810, 5520, 2055, 300, false, true},
    {"Label4", 5, nullptr, "", "", 810, 5760, 2055, 225, false, true},
    {"Label3", 4, nullptr, " ", "", 930, 6000, 2055, 540, true, true},
};

// The dedication's four lines, translated as one sentence so that each
// language can order its words over the lines.
QStringList Dedication() {
  //: The dedication, one sentence in four centred lines, one line here for each; %1 is her name, "Cyan",
  //: and stays on the third line, alone or with the punctuation after it.
  QStringList lines = frmAbout::tr(
                          "This program is dedicated to\nmy lovely talented daughter\n%1\nwho understands colour much "
                          "better than I do!")
                          .arg(QStringLiteral("Cyan"))
                          .split(QLatin1Char('\n'));
  while (lines.size() < 4) lines.append(QString());
  return lines;
}

QString LabelText(const LabelLayout& entry) {
  if (qstrcmp(entry.name, "Label6") == 0) return frmAbout::tr("Version %1").arg(QStringLiteral("1.1"));
  static const char* const dedication[] = {"lblDisclaimer", "Label2", "Label4", "Label3"};
  for (int line = 0; line < 4; ++line) {
    if (qstrcmp(entry.name, dedication[line]) == 0) {
      return QString::fromUtf8(entry.before) + Dedication().at(line) + QString::fromUtf8(entry.after);
    }
  }
  if (qstrcmp(entry.name, "Label7") == 0) {
    // Two parts: the run of spaces starts the second on a line of its own.
    return frmAbout::tr(entry.text) + QString(9, QLatin1Char(' ')) +
           frmAbout::tr("The coloured circles give the Hour, Minute and Second");
  }
  const QString text = entry.text ? frmAbout::tr(entry.text) : QString();
  return QString::fromUtf8(entry.before) + text + QString::fromUtf8(entry.after);
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  //: The About box's title; "Tint Watch" is the program's name.
  setWindowTitle(tr("About Tint Watch"));
  FixDialogFrame(this, 2340, 1935, 4005, 7260);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 192));
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);
  for (const LabelLayout& entry : kLabels) {
    const QString text = LabelText(entry);
    QLabel* label = entry.wrap ? new ParagraphLabel(text, this) : new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(entry.name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((entry.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    PlaceTwips(label, entry.left, entry.top, entry.width, entry.height);
  }
  auto* ok = new QPushButton(tr("OK"), this);
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
