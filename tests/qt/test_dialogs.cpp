#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QDir>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <filesystem>
#include <fstream>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "modal_watch.h"
#include "qt/Dialogs.h"
#include "qt/dialogs/ParagraphLabel.h"
#include "qt/dialogs/Tester.h"
#include "qt/dialogs/frmAbout.h"
#include "qt/dialogs/frmOptions.h"

namespace tintwatch {
namespace {

template <typename T>
T* Child(QWidget* dialog, const char* name) {
  T* child = dialog->findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void SetText(QWidget* dialog, const char* name, const char* text) { Child<QLineEdit>(dialog, name)->setText(text); }
void Click(QWidget* dialog, const char* name) { Child<QPushButton>(dialog, name)->click(); }

TEST(OptionsDialogTest, LayoutInTwips) {
  ClockSettings settings;
  frmOptions dialog(nullptr, settings);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Clock Options"));
  EXPECT_EQ(dialog.geometry(), QRect(184, 250, 402, 327));
  EXPECT_EQ(Child<QGroupBox>(&dialog, "ClockTypeFrame")->geometry(), QRect(56, 24, 105, 107));
  EXPECT_EQ(Child<QRadioButton>(&dialog, "OptionLab")->geometry(), QRect(16, 75, 65, 25));
  EXPECT_EQ(Child<QLineEdit>(&dialog, "BriMinValue")->geometry(), QRect(328, 80, 33, 25));
  EXPECT_EQ(Child<QPushButton>(&dialog, "CancelButton")->geometry(), QRect(300, 267, 81, 25));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Max        Min"));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label4")->text(),
            QStringLiteral("Make the Max & Min the same if you do not want them to change over time"));
  // A button shows "&&" as one "&".
  EXPECT_EQ(Child<QCheckBox>(&dialog, "OptionSmooth")->text(),
            QStringLiteral("Smooth running (means the Hr && Mins will not jump)"));
  EXPECT_FALSE(Child<QPushButton>(&dialog, "OKButton")->isDefault());
  EXPECT_FALSE(Child<QPushButton>(&dialog, "OKButton")->autoDefault());
  // Tab order from the OK button.
  QStringList order;
  QWidget* w = Child<QPushButton>(&dialog, "OKButton");
  for (int i = 0; i < 13; ++i, w = w->nextInFocusChain()) {
    while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
    order << w->objectName();
  }
  EXPECT_EQ(order, (QStringList{"OKButton", "CancelButton", "OptionHue", "OptionRGB", "OptionLab", "Option5",
                                "Option2", "Option1", "SatMaxValue", "SatMinValue", "BriMaxValue", "BriMinValue",
                                "OptionSmooth"}));
}

TEST(OptionsDialogTest, FillsAndTakesTheSettings) {
  ClockSettings settings;
  settings.ClockType = 2;
  settings.TickRate = 5;
  settings.SatMin = 40;
  frmOptions dialog(nullptr, settings);
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "OptionLab")->isChecked());
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "Option5")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "SatMinValue")->text(), QStringLiteral("40"));
  Child<QRadioButton>(&dialog, "OptionRGB")->click();
  EXPECT_FALSE(Child<QRadioButton>(&dialog, "OptionLab")->isChecked());
  Child<QRadioButton>(&dialog, "Option2")->click();
  Child<QCheckBox>(&dialog, "OptionSmooth")->click();
  SetText(&dialog, "SatMaxValue", "60");
  SetText(&dialog, "SatMinValue", "80");
  SetText(&dialog, "BriMaxValue", "5");
  SetText(&dialog, "BriMinValue", "not a number");
  Click(&dialog, "OKButton");
  EXPECT_EQ(settings.ClockType, 1);
  EXPECT_EQ(settings.TickRate, 2);
  EXPECT_TRUE(settings.SmoothRunning);
  EXPECT_EQ(settings.SatMax, 60);
  EXPECT_EQ(settings.SatMin, 60);
  EXPECT_EQ(settings.BriMax, 10);
  EXPECT_EQ(settings.BriMin, 10);  // the old 100, limited by the new maximum
}

TEST(OptionsDialogTest, CancelEscapeAndCloseBoxChangeNothing) {
  ClockSettings settings;
  settings.ClockType = 3;
  {
    frmOptions dialog(nullptr, settings);
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "OptionHue")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "OptionRGB")->isChecked());
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "OptionLab")->isChecked());
    dialog.show();
    SetText(&dialog, "SatMaxValue", "20");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    EXPECT_TRUE(dialog.isVisible());  // neither key is bound
    Click(&dialog, "CancelButton");
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    frmOptions dialog(nullptr, settings);
    dialog.show();
    SetText(&dialog, "SatMaxValue", "20");
    dialog.close();
  }
  EXPECT_EQ(settings.SatMax, 100);
  frmOptions dialog(nullptr, settings);
  Click(&dialog, "OKButton");
  EXPECT_EQ(settings.ClockType, 3);  // OK with no type chosen keeps it
}

TEST(AboutDialogTest, TextsLayoutAndButtons) {
  frmAbout dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Tint Watch"));
  EXPECT_EQ(dialog.geometry(), QRect(156, 129, 267, 484));
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 192));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label7")->text(),
            QStringLiteral("The clock face outer rim is divided into colour hours and then sub-divided into coloured "
                           "minutes.") +
                QString(9, QLatin1Char(' ')) + QStringLiteral("The coloured circles give the Hour, Minute and Second"));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label8")->text(),
            QStringLiteral("Use the left mouse button (on a bit of colour)  to drag the clock around"));
  EXPECT_EQ(Child<QLabel>(&dialog, "lblDisclaimer")->text(), QStringLiteral("This program is dedicated to "));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label3")->text(),
            QStringLiteral(" who understands colour much better than I do!"));
  EXPECT_TRUE(Child<QLabel>(&dialog, "Label3")->alignment().testFlag(Qt::AlignHCenter));
  EXPECT_TRUE(Child<QLabel>(&dialog, "Label12")->wordWrap());
  EXPECT_EQ(Child<QLabel>(&dialog, "Label12")->geometry(), QRect(10, 229, 243, 58));
  EXPECT_EQ(Child<QLabel>(&dialog, "Label6")->text(), QStringLiteral("Version 1.1"));
  QPushButton* ok = Child<QPushButton>(&dialog, "cmdOK");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->geometry(), QRect(86, 448, 84, 23));
  for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
    dialog.show();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(ok, &press);
    EXPECT_FALSE(dialog.isVisible()) << key;
  }
}

TEST(TesterDialogTest, FirstOpeningAndLayout) {
  HueTestState state;
  Tester dialog(state);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hue Check Test"));
  EXPECT_EQ(dialog.geometry(), QRect(184, 250, 664, 376));
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "Option1")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "TextPause")->text(), QStringLiteral("0"));
  EXPECT_TRUE(Child<QPlainTextEdit>(&dialog, "TextResult")->isHidden());
  EXPECT_TRUE(Child<QLabel>(&dialog, "LabelANS")->isHidden());
  EXPECT_TRUE(Child<QLineEdit>(&dialog, "TextEMAIL")->isHidden());
  const QString instructions = Child<QLabel>(&dialog, "Label1")->text();
  EXPECT_EQ(instructions.size(), 558);
  EXPECT_TRUE(instructions.contains(QStringLiteral("work up to 60.        When you press OK")));
  EXPECT_TRUE(instructions.contains(QString(65, QLatin1Char(' ')) + QStringLiteral("Each time")));
  EXPECT_TRUE(instructions.contains(QStringLiteral("press any key.") + QString(44, QLatin1Char(' ')) + "At the end"));
  // 12 points, or a little less where that would not fit the box.
  EXPECT_LE(Child<QLabel>(&dialog, "Label1")->font().pointSizeF(), 12);
  EXPECT_GE(Child<QLabel>(&dialog, "Label1")->font().pointSizeF(), 10);
  EXPECT_EQ(Child<QPushButton>(&dialog, "OKButton")->text(), QStringLiteral("OK - start test"));
  EXPECT_EQ(Child<QPushButton>(&dialog, "OKButton")->geometry(), QRect(515, 241, 81, 25));
  EXPECT_EQ(Child<QLineEdit>(&dialog, "TextPause")->geometry(), QRect(408, 210, 42, 25));
  EXPECT_TRUE(Child<QPlainTextEdit>(&dialog, "TextResult")->font().bold());
}

TEST(TesterDialogTest, OkArmsTheTestAndTheNextOpeningShowsTheChoice) {
  HueTestState state;
  {
    Tester dialog(state);
    Child<QRadioButton>(&dialog, "Option3")->click();
    SetText(&dialog, "TextPause", "5");
    Click(&dialog, "OKButton");
  }
  EXPECT_TRUE(state.TestActive);
  EXPECT_EQ(state.HueStep, 6);
  EXPECT_EQ(state.PauseAfter, 5);
  {
    Tester dialog(state);
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "Option3")->isChecked());
    EXPECT_EQ(Child<QLineEdit>(&dialog, "TextPause")->text(), QStringLiteral("5"));
    Child<QRadioButton>(&dialog, "Option2")->click();
    SetText(&dialog, "TextPause", "0");
    Click(&dialog, "CancelButton");  // keeps the values, whatever the controls show
  }
  EXPECT_FALSE(state.TestActive);
  EXPECT_EQ(state.HueStep, 6);
  EXPECT_EQ(state.PauseAfter, 5);
  state.TestActive = true;
  {
    Tester dialog(state);
    dialog.show();
    dialog.close();  // the close box changes nothing
  }
  EXPECT_TRUE(state.TestActive);
}

TEST(TesterDialogTest, ResultShowsTextNoteAndAddress) {
  HueTestState state;
  state.HueStep = 12;
  state.PauseAfter = 99;
  state.ResultText = "These are the 1 changes of colour you missed, when it changed to  90 ";
  Tester dialog(state);
  auto* result = Child<QPlainTextEdit>(&dialog, "TextResult");
  EXPECT_FALSE(result->isHidden());
  EXPECT_EQ(result->toPlainText(), QString::fromStdString(state.ResultText));
  EXPECT_TRUE(result->isReadOnly());
  EXPECT_TRUE(result->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
  EXPECT_EQ(result->palette().color(QPalette::Base), QColor(255, 255, 192));
  EXPECT_FALSE(Child<QLabel>(&dialog, "LabelANS")->isHidden());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "TextEMAIL")->text(), QString::fromUtf8(kTesterEmail));
  EXPECT_TRUE(Child<QRadioButton>(&dialog, "Option2")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "TextPause")->text(), QStringLiteral("0"));
}

// The pictures of the dialogs, for a look, where TINTWATCH_SAVE_PICTURES
// names a folder.
void SavePicture(QWidget* dialog, const QString& language) {
  if (const QByteArray folder = qgetenv("TINTWATCH_SAVE_PICTURES"); !folder.isEmpty()) {
    dialog->grab().save(QString::fromLocal8Bit(folder) + "/" + dialog->objectName() + language + "-x" +
                        QString::number(dialog->devicePixelRatioF()) + ".png");
  }
}

// The height of a line of `text`: with the fonts that stand in for glyphs the
// font lacks (Chinese, Japanese, Arabic), which can be taller.
qreal LineHeight(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  const qreal height = line.isValid() ? std::max(line.height(), QFontMetricsF(font).height()) : 0;
  layout.endLayout();
  return height;
}

// Every text of `dialog` fits its control, with the control's own font and
// the style's indicator sizes, as the controls draw them; every control lies
// within its dialog or frame. Returns how many controls were checked.
int ExpectTextsFit(QWidget* dialog, const QString& language = {}) {
  int checked = 0;
  for (QWidget* control : dialog->findChildren<QWidget*>()) {
    const QString what = language + ":" + dialog->objectName() + "." + control->objectName();
    const QFontMetricsF metrics(control->font());
    const QRectF box = control->contentsRect();
    const QStyle* style = control->style();
    if (auto* paragraph = dynamic_cast<ParagraphLabel*>(control)) {
      const QStringList lines = paragraph->Lines();
      qreal height = 0;
      for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), box.width()) << qPrintable(what) << ": " << qPrintable(line);
        height += LineHeight(control->font(), line);
      }
      EXPECT_LE(height, box.height()) << qPrintable(what) << " needs " << lines.size() << " lines";
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      EXPECT_LE(metrics.horizontalAdvance(label->text()), box.width()) << qPrintable(what);
      EXPECT_LE(LineHeight(control->font(), label->text()), box.height()) << qPrintable(what);
    } else if (auto* push = qobject_cast<QPushButton*>(control)) {
      const qreal margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin) / 2.0 +
                                 style->pixelMetric(QStyle::PM_DefaultFrameWidth));
      EXPECT_LE(metrics.horizontalAdvance(push->text()) + margins, box.width()) << qPrintable(what);
      EXPECT_LE(LineHeight(control->font(), push->text()) + margins / 2, box.height()) << qPrintable(what);
    } else if (auto* option = qobject_cast<QAbstractButton*>(control)) {
      const bool radio = qobject_cast<QRadioButton*>(control) != nullptr;
      const int indicator = style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth);
      const int spacing = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
      const QString text = option->text().replace("&&", "&");
      EXPECT_LE(indicator + spacing + metrics.horizontalAdvance(text), box.width()) << qPrintable(what);
      EXPECT_LE(std::max<qreal>(indicator, LineHeight(control->font(), text)), box.height()) << qPrintable(what);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
      EXPECT_LE(metrics.horizontalAdvance(line->text()), line->width() - 4) << qPrintable(what);
      EXPECT_LE(metrics.height(), line->height() - 4) << qPrintable(what);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
      EXPECT_LE(metrics.horizontalAdvance(frame->title()), frame->width()) << qPrintable(what);
      for (const QWidget* inside : frame->findChildren<QWidget*>()) {
        EXPECT_TRUE(frame->rect().contains(inside->geometry())) << qPrintable(what + "." + inside->objectName());
      }
    } else {
      continue;
    }
    ++checked;
    if (control->parentWidget() == dialog) {
      EXPECT_TRUE(dialog->rect().contains(control->geometry())) << qPrintable(what) << " outside its dialog";
    }
  }
  return checked;
}

// The lines of the pause note beside the pause box end before it (after it,
// right to left).
void ExpectPauseNoteClearOfItsBox(const Tester& tester, const QString& language = {}) {
  const auto* note = tester.findChild<ParagraphLabel*>("Label2");
  const QRect pauseBox = tester.findChild<QLineEdit*>("TextPause")->geometry().translated(-note->pos());
  const int room = note->isRightToLeft() ? note->width() - pauseBox.right() - 1 : pauseBox.left();
  const QFontMetricsF noteMetrics(note->font());
  const QStringList noteLines = note->Lines();
  qreal top = 0;
  for (const QString& line : noteLines) {
    const qreal height = LineHeight(note->font(), line);
    // The line's own height: a fallback font (Chinese, say) stands taller than the note's.
    if (top < pauseBox.bottom() && top + height > pauseBox.top()) {
      EXPECT_LE(noteMetrics.horizontalAdvance(line.trimmed()), room) << qPrintable(language + ": " + line);
    }
    top += height;
  }
}

// Every text of the three dialogs fits its control, at the scale the
// process runs at (the suite runs this at 1 and again at 2), and the runs of
// spaces in the long texts start new lines.
TEST(DialogTextsTest, EveryTextFitsItsControlAndStartsItsPartsOnNewLines) {
  ClockSettings settings;
  HueTestState state;
  state.HueStep = 12;
  state.ResultText = "These are the 1 changes of colour you missed, when it changed to  90 ";
  frmOptions options(nullptr, settings);
  frmAbout about;
  Tester tester(state);
  int checked = 0;
  for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &about, &tester}) {
    dialog->show();
    SavePicture(dialog, {});
    checked += ExpectTextsFit(dialog);
  }
  EXPECT_GE(checked, 40);
  const auto startsALine = [](const QStringList& lines, const char* start) {
    return std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(start); });
  };
  const QStringList instructions = tester.findChild<ParagraphLabel*>("Label1")->Lines();
  for (const char* part : {"When you press OK", "Each time you see", "At the end"}) {
    EXPECT_TRUE(startsALine(instructions, part)) << part << "\n" << qPrintable(instructions.join('|'));
  }
  const QStringList rim = about.findChild<ParagraphLabel*>("Label7")->Lines();
  EXPECT_TRUE(startsALine(rim, "The coloured circles")) << qPrintable(rim.join('|'));
  // The pause box stands over the pause note's last lines: they end before it.
  ExpectPauseNoteClearOfItsBox(tester);
  // Two spaces between sentences are only spaces.
  const QStringList reading = about.findChild<ParagraphLabel*>("Label10")->Lines();
  EXPECT_FALSE(startsALine(reading, "You read it")) << qPrintable(reading.join('|'));
  // A line in a fallback font (Chinese in a Latin font) stands taller than
  // its label's font: it is beside an area that starts below the font's
  // height, and ends before it.
  QFont latin(QStringLiteral("Liberation Serif"));
  latin.setPointSizeF(12);
  ParagraphLabel tall(QString(40, QChar(0x6C49)), nullptr);
  tall.setFont(latin);
  tall.resize(400, 200);
  const qreal fontHeight = QFontMetricsF(latin).height();
  QTextLayout measure(tall.text(), latin);
  measure.beginLayout();
  QTextLine measured = measure.createLine();
  measured.setLineWidth(1000);
  measure.endLayout();
  const qreal lineHeight = measured.height();
  ASSERT_GT(lineHeight, fontHeight + 1) << "no taller fallback font for Chinese";
  tall.KeepClearOf(QRect(200, static_cast<int>((fontHeight + lineHeight) / 2), 100, 40));
  const QStringList tallLines = tall.Lines();
  ASSERT_FALSE(tallLines.isEmpty());
  EXPECT_LE(QFontMetricsF(latin).horizontalAdvance(tallLines.first()), 200) << qPrintable(tallLines.join('|'));
}

// Each translation built beside the program, installed as the program
// installs it.
class Translation {
 public:
  explicit Translation(const QString& language) {
    loaded_ = program_.load(QStringLiteral("tintwatch_") + language, QStringLiteral(TINTWATCH_TRANSLATIONS));
    if (loaded_) QCoreApplication::installTranslator(&program_);
  }
  ~Translation() { QCoreApplication::removeTranslator(&program_); }
  bool Loaded() const { return loaded_; }

 private:
  QTranslator program_;
  bool loaded_ = false;
};

QStringList Languages() {
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(TINTWATCH_TRANSLATIONS)).entryList({QStringLiteral("tintwatch_*.qm")})) {
    languages << file.mid(10).chopped(3);
  }
  return languages;
}

// The same in every language the program speaks: each translated text fits
// its control with the dialog's own font (the suite runs this at scale 1
// and 2), the parts of the long texts still start their lines, and a
// language written right to left mirrors the dialogs; English comes back
// when the translation goes.
TEST(DialogTextsTest, EveryLanguageFitsItsControls) {
  const QStringList languages = Languages();
  EXPECT_EQ(languages, (QStringList{"ar", "de", "es", "fr", "it", "ja", "pt_BR", "ru", "zh_CN"}));
  for (const QString& language : languages) {
    Translation translation(language);
    ASSERT_TRUE(translation.Loaded()) << qPrintable(language);
    const bool rightToLeft = language == QLatin1String("ar");
    EXPECT_EQ(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight)
        << qPrintable(language);
    ClockSettings settings;
    HueTestState state;
    state.HueStep = 12;
    state.ResultText = "These are the 1 changes of colour you missed, when it changed to  90 ";
    frmOptions options(nullptr, settings);
    frmAbout about;
    Tester tester(state);
    EXPECT_NE(options.windowTitle(), QStringLiteral("Clock Options")) << qPrintable(language);
    EXPECT_NE(about.windowTitle(), QStringLiteral("About Tint Watch")) << qPrintable(language);
    EXPECT_NE(tester.windowTitle(), QStringLiteral("Hue Check Test")) << qPrintable(language);
    int checked = 0;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &about, &tester}) {
      EXPECT_EQ(dialog->isRightToLeft(), rightToLeft) << qPrintable(language + dialog->objectName());
      dialog->show();
      SavePicture(dialog, "-" + language);
      checked += ExpectTextsFit(dialog, language);
    }
    EXPECT_GE(checked, 40) << qPrintable(language);
    ExpectPauseNoteClearOfItsBox(tester, language);
    // Each part of the instructions starts a line of its own.
    const QStringList instructions = tester.findChild<ParagraphLabel*>("Label1")->Lines();
    const QStringList parts = TesterInstructions().split(QRegularExpression(QStringLiteral(" {3,}")));
    ASSERT_EQ(parts.size(), 4) << qPrintable(language);
    for (const QString& part : parts) {
      EXPECT_TRUE(std::any_of(instructions.begin(), instructions.end(),
                              [&](const QString& line) { return !line.trimmed().isEmpty() && part.startsWith(line.trimmed()); }))
          << qPrintable(language + ": " + part);
    }
  }
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  frmOptions english(nullptr, *std::make_unique<ClockSettings>());
  EXPECT_EQ(english.windowTitle(), QStringLiteral("Clock Options"));
}

// Right to left, each control stands where its left-to-right place is
// mirrored; the dialog's size is the English one where the texts fit it.
TEST(DialogTextsTest, ARightToLeftLanguageMirrorsTheDialogs) {
  ClockSettings settings;
  frmOptions leftToRight(nullptr, settings);
  Translation arabic(QStringLiteral("ar"));
  ASSERT_TRUE(arabic.Loaded());
  frmOptions rightToLeft(nullptr, settings);
  const int width = rightToLeft.width();
  for (const char* name : {"OKButton", "CancelButton", "ClockTypeFrame", "SatMaxValue", "BriMinValue"}) {
    const QRect ltr = Child<QWidget>(&leftToRight, name)->geometry();
    const QRect rtl = Child<QWidget>(&rightToLeft, name)->geometry();
    EXPECT_EQ(rtl.right(), width - 1 - ltr.left()) << name;
    EXPECT_EQ(rtl.top(), ltr.top()) << name;
  }
  // Within a frame too: the first option at the frame's right.
  const auto* frame = Child<QGroupBox>(&rightToLeft, "ClockTypeFrame");
  const QRect hue = Child<QRadioButton>(&rightToLeft, "OptionHue")->geometry();
  EXPECT_EQ(hue.right(), frame->width() - 1 - 16);
}

// A dialog that would stand partly off the screen is moved onto it as far as
// it fits (at scale 2 the 800 x 600 test screen is smaller than Clock Options).
TEST(DialogPlaceTest, DialogsOpenOnTheScreen) {
  ClockSettings settings;
  HueTestState state;
  frmOptions options(nullptr, settings);
  frmAbout about;
  Tester tester(state);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &about, &tester}) {
    const QRect given = dialog->geometry();
    dialog->show();
    QApplication::processEvents();
    const QRect frame = dialog->frameGeometry();
    const QString what = dialog->objectName();
    if (frame.width() <= screen.width()) {
      EXPECT_GE(frame.left(), screen.left()) << qPrintable(what);
      EXPECT_LE(frame.right(), screen.right()) << qPrintable(what);
    } else {
      EXPECT_EQ(frame.left(), screen.left()) << qPrintable(what);
    }
    if (frame.height() <= screen.height()) {
      EXPECT_GE(frame.top(), screen.top()) << qPrintable(what);
      EXPECT_LE(frame.bottom(), screen.bottom()) << qPrintable(what);
    } else {
      EXPECT_EQ(frame.top(), screen.top()) << qPrintable(what);
    }
    if (screen.contains(given)) {
      EXPECT_EQ(dialog->geometry(), given) << qPrintable(what) << " moved though it fitted";
    }
    dialog->hide();
  }
}

class WindowDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ / kSettingsFileName, std::ios::binary) << " 1500  1500  0  1  100  100  100  100  0  0  1 \r\n";
    form_ = std::make_unique<Form1>(test_, StandardDialogs(), &time_, dir_ / kSettingsFileName);
    form_->Load();
  }
  void TearDown() override {
    form_.reset();
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() / "tintwatch-window-dialogs";
  HueTestState test_;
  FixedTimeSource time_{{15, 47, 33}};
  std::unique_ptr<Form1> form_;
};

TEST_F(WindowDialogsTest, AboutComesForwardOnceAndExitClosesIt) {
  form_->Window().mabout_Click();
  QDialog* about = form_->About();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  form_->Window().mabout_Click();
  EXPECT_EQ(form_->About(), about);
  EXPECT_EQ(form_->findChildren<frmAbout*>().size(), 1);
  form_->Window().mExit_Click();
  QApplication::processEvents();
  EXPECT_EQ(form_->About(), nullptr);  // closed and destroyed
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(WindowDialogsTest, OptionsOkReachesTheFaceAndTimer) {
  ModalWatch<frmOptions> watch([](frmOptions* dialog) {
    dialog->findChild<QRadioButton*>(QStringLiteral("OptionRGB"))->click();
    dialog->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
  });
  form_->Window().mclock_Click();
  EXPECT_EQ(form_->Window().FaceType(), 1);
  EXPECT_EQ(form_->Timer1().Interval(), 2000);
  EXPECT_TRUE(form_->Timer1().Running());
}

TEST_F(WindowDialogsTest, ResultReplacesAnOpenSetUpDialog) {
  form_->Window().mtest_Click();
  QPointer<QDialog> setUp = form_->Tester();
  ASSERT_TRUE(setUp);
  EXPECT_FALSE(setUp->isModal());
  form_->Window().mtest_Click();  // only brought forward
  EXPECT_EQ(form_->Tester(), setUp.data());
  test_.ResultText = "These are the 1 changes of colour you missed, when it changed to  30 ";
  int dialogs = -1;
  ModalWatch<Tester> watch([&](Tester* result) {
    dialogs = static_cast<int>(form_->findChildren<Tester*>().size());
    EXPECT_EQ(result->findChild<QPlainTextEdit*>(QStringLiteral("TextResult"))->toPlainText(),
              QString::fromStdString(test_.ResultText));
    result->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
  });
  form_->ShowTester(true);
  EXPECT_EQ(dialogs, 1);
  EXPECT_FALSE(setUp);
  EXPECT_FALSE(test_.TestActive);
}

}  // namespace
}  // namespace tintwatch
