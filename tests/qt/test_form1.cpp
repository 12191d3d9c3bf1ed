#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <filesystem>
#include <fstream>

#include "modal_watch.h"
#include "platform/TaskbarEntry.h"
#include "qt/Form1.h"

namespace tintwatch {
namespace {

// The program's window in-process, on the offscreen platform.
class Form1Test : public testing::Test {
 protected:
  static std::filesystem::path Folder() {
    return std::filesystem::temp_directory_path() /
           ("tintwatch-form-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void SetUp() override {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    form_.reset();
    std::filesystem::remove_all(dir_);
  }
  Form1& Start(const char* settings = " 1500  1500  0  1  100  100  100  100  0  0  1 ") {
    if (settings) std::ofstream(dir_ / kSettingsFileName, std::ios::binary) << settings << "\r\n";
    form_ = std::make_unique<Form1>(test_, DialogFactory{}, &time_, dir_ / kSettingsFileName);
    form_->Load();
    QApplication::processEvents();
    return *form_;
  }
  QWidget* Picture() { return form_->findChild<QWidget*>(QStringLiteral("Picture1")); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(Picture(), &press);
    QApplication::processEvents();
  }
  QRgb ShownAt(int x, int y) { return Picture()->grab().toImage().pixel(x, y); }

  std::filesystem::path dir_ = Folder();
  HueTestState test_;
  FixedTimeSource time_{{15, 47, 33}};
  std::unique_ptr<Form1> form_;
};

TEST_F(Form1Test, StartsAsABorderlessToolWindowOnTop) {
  Form1& form = Start();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.size(), QSize(110, 110));
  EXPECT_EQ(Picture()->size(), QSize(110, 110));
  EXPECT_EQ(form.pos(), QPoint(100, 100));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(form.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_FALSE(HasTaskbarEntry(&form));
  EXPECT_EQ(form.Timer1().Interval(), 1000);
  EXPECT_TRUE(form.Timer1().Running());
  EXPECT_FALSE(form.Timer2().Running());
  EXPECT_EQ(ShownAt(55, 55), qRgb(128, 255, 0));  // the hour disc at 15:xx
}

TEST_F(Form1Test, WelcomeBoxComesFirstWithItsExactText) {
  QString title, text;
  bool clockShown = true;
  ModalWatch<QMessageBox> watch([&](QMessageBox* box) {
    title = box->windowTitle();
    text = box->text();
    clockShown = form_->isVisible();
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    box->accept();
  });
  Start(nullptr);
  EXPECT_EQ(title, QStringLiteral("The Tint Watch with a Hue tester"));
  EXPECT_EQ(text, QStringLiteral("Welcome\nI shall say this only once!\nRight mouse-click on a bit of colour (on the "
                                 "clock) to get a menu of options\nAll the best,  Alder"));
  EXPECT_FALSE(clockShown);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(Form1Test, MenuHasTheCommandsInOrder) {
  Form1& form = Start();
  QMenu* menu = form.PopupMenu();
  EXPECT_EQ(menu->objectName(), QStringLiteral("options"));
  QStringList items;
  for (QAction* action : menu->actions()) {
    items << action->objectName() + QLatin1Char('=') + (action->isSeparator() ? QStringLiteral("-") : action->text());
    if (action->menu()) {
      items.last() = action->menu()->objectName() + QLatin1Char('=') + action->text();
      for (QAction* sub : action->menu()->actions()) items << QStringLiteral("  ") + sub->objectName() + QLatin1Char('=') + sub->text();
    }
  }
  const QStringList expected = {"mOnTop=Stay on Top", "mopaque=White background", "mexpert=Expert Mode",
                                "mwindow=Window Size", "  mbigger=+ Bigger ", "  msmaller=- Smaller",
                                "mclock=Clock Options ...", "mblank1=-", "mtest=A Hue Check Test", "mblank2=-",
                                "mhelp=Help", "  mabout=About", "  monline=Online Help", "  mweb=My Web site!",
                                "mblank=-", "mExit=Exit"};
  EXPECT_EQ(items, expected);
}

TEST_F(Form1Test, RightReleaseShowsTheFlagsOfThatMoment) {
  Form1& form = Start();
  form.Window().mexpert_Click();
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 20), QPointF(50, 20), Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(Picture(), &release);
  QMenu* menu = form.PopupMenu();
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("mOnTop"))->isChecked());
  EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("mexpert"))->isChecked());
  EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("mopaque"))->isChecked());
  menu->hide();
  QMouseEvent middle(QEvent::MouseButtonRelease, QPointF(50, 20), QPointF(50, 20), Qt::MiddleButton, Qt::NoButton,
                     Qt::NoModifier);
  QApplication::sendEvent(Picture(), &middle);
  EXPECT_FALSE(menu->isVisible());
}

TEST_F(Form1Test, MainKeyboardMinusAndPlusResizeKeypadOnlyRedraws) {
  Form1& form = Start();
  Key(Qt::Key_Minus);
  EXPECT_EQ(form.size(), QSize(55, 55));
  EXPECT_EQ(form.Window().ClockSize(), 400);
  Key(Qt::Key_Minus, Qt::KeypadModifier);
  Key(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(form.size(), QSize(55, 55));
  Key(Qt::Key_Equal);
  EXPECT_EQ(form.size(), QSize(110, 110));
  Key(Qt::Key_Plus, Qt::ShiftModifier);
  EXPECT_EQ(form.size(), QSize(220, 220));
  EXPECT_EQ(form.Surface().Image().size(), QSize(220, 220));
  EXPECT_EQ(ShownAt(110, 110), qRgb(128, 255, 0));
}

TEST_F(Form1Test, ClockTicksKeepStepWithTheWallClocksSecondsTheTestsStepsDoNot) {
  time_.milliseconds = 576;
  Form1& form = Start();
  EXPECT_EQ(form.Timer1().ArmedDelay(), 424);  // to 15:47:34, not a whole second on
  // S stops the clock; S again starts it on the next boundary.
  Key(Qt::Key_S);
  EXPECT_FALSE(form.Timer1().Running());
  time_.milliseconds = 998;
  Key(Qt::Key_S);
  EXPECT_EQ(form.Timer1().ArmedDelay(), 2);
  time_.milliseconds = 0;
  form.Timer1().SetEnabled(false);  // as a drag does
  form.Timer1().SetEnabled(true);
  EXPECT_EQ(form.Timer1().ArmedDelay(), 1000);
  // Asleep while the screen is unseen, a drag's end included; awake again,
  // on the next boundary from then.
  form.Window().ScreenSeen(false);
  EXPECT_FALSE(form.Timer1().Running());
  form.Timer1().SetEnabled(false);
  form.Timer1().SetEnabled(true);
  EXPECT_FALSE(form.Timer1().Running());
  time_.milliseconds = 690;
  form.Window().ScreenSeen(true);
  EXPECT_TRUE(form.Timer1().Running());
  EXPECT_EQ(form.Timer1().ArmedDelay(), 310);
  // The hue test's steps keep their own random intervals.
  form.Timer2().SetInterval(1250);
  EXPECT_EQ(form.Timer2().ArmedDelay(), 1250);
  form.Timer2().SetInterval(0);
}

TEST(QtIntervalTimerTest, EachTickWorksOutItsNextDelayFromTheWallClock) {
  std::int64_t wall = 1796658453998;  // 2 ms before a second
  int ticks = 0;
  QtIntervalTimer timer([&] { ++ticks; }, QtIntervalTimer::Pace::WallClock, [&] { return wall; });
  timer.SetInterval(1000);
  EXPECT_EQ(timer.ArmedDelay(), 2);
  const auto waitForTick = [&](int count) {
    QElapsedTimer waited;
    waited.start();
    while (ticks < count && waited.elapsed() < 10000) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return ticks >= count;
  };
  // A wall clock standing still: the next tick is a whole interval on, never 0.
  wall = 1796658454000;
  ASSERT_TRUE(waitForTick(1));
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(timer.ArmedDelay(), 1000);
  // Set forward while waiting: the tick after that is back on the boundary.
  timer.SetInterval(0);
  wall = 1796658455999;
  timer.SetInterval(1000);
  wall += 3'600'000 + 300;
  ASSERT_TRUE(waitForTick(2));
  EXPECT_EQ(timer.ArmedDelay(), 701);
}

TEST_F(Form1Test, KeysReachTheirCommandsThroughTheWindow) {
  // What a press does, seen on the clock, for the keys a keyboard sends.
  enum class Does { Smaller, Bigger, Stop, RedrawOnly };
  struct Row {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    Does does;
  };
  const Row rows[] = {
      {"minus", Qt::Key_Minus, Qt::NoModifier, Does::Smaller},
      {"minus with shift (underscore)", Qt::Key_Underscore, Qt::ShiftModifier, Does::Smaller},
      {"equals", Qt::Key_Equal, Qt::NoModifier, Does::Bigger},
      {"equals with shift (plus)", Qt::Key_Plus, Qt::ShiftModifier, Does::Bigger},
      {"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, Does::RedrawOnly},
      {"keypad plus", Qt::Key_Plus, Qt::KeypadModifier, Does::RedrawOnly},
      {"s", Qt::Key_S, Qt::NoModifier, Does::Stop},
      {"S", Qt::Key_S, Qt::ShiftModifier, Does::Stop},
      {"keypad 5", Qt::Key_5, Qt::KeypadModifier, Does::RedrawOnly},
      {"a", Qt::Key_A, Qt::NoModifier, Does::RedrawOnly},
      {"escape", Qt::Key_Escape, Qt::NoModifier, Does::RedrawOnly},
      {"F1", Qt::Key_F1, Qt::NoModifier, Does::RedrawOnly},
      {"a key unknown to the window", Qt::Key_MediaPlay, Qt::NoModifier, Does::RedrawOnly},
  };
  for (const Row& row : rows) {
    Form1& form = Start();
    // A mark in the white corner, which only a full redraw clears.
    form.Surface().Box(0, 0, 150, 150, 0);
    ASSERT_EQ(form.Surface().Image().pixel(2, 2), qRgb(0, 0, 0));
    Key(row.key, row.modifiers);
    const int expectedSize = row.does == Does::Smaller ? 400 : row.does == Does::Bigger ? 1600 : 800;
    EXPECT_EQ(form.Window().ClockSize(), expectedSize) << row.what;
    EXPECT_EQ(form.Timer1().Running(), row.does != Does::Stop) << row.what;
    EXPECT_EQ(form.Surface().Image().pixel(2, 2), qRgb(255, 255, 255)) << row.what << ": not redrawn";
  }
}

TEST_F(Form1Test, SeeThroughMaskFollowsThePicture) {
  Form1& form = Start();
  form.Window().mopaque_Click();
  QApplication::processEvents();
  EXPECT_TRUE(form.mask().contains(QPoint(55, 55)));   // colour
  EXPECT_FALSE(form.mask().contains(QPoint(1, 1)));    // white corner
  EXPECT_FALSE(HasTaskbarEntry(&form));
  // Expert mode leaves the rim white: it becomes a hole too, after the redraw.
  form.Window().mexpert_Click();
  QApplication::processEvents();
  EXPECT_FALSE(form.mask().contains(QPoint(55, 5)));
  EXPECT_TRUE(form.mask().contains(QPoint(55, 30)));
  form.Window().mopaque_Click();
  QApplication::processEvents();
  EXPECT_TRUE(form.mask().isEmpty());
  EXPECT_TRUE(HasTaskbarEntry(&form));
  form.Window().mopaque_Click();
  QApplication::processEvents();
  EXPECT_TRUE(HasTaskbarEntry(&form));  // stays from the first MakeOpaque on
}

TEST_F(Form1Test, AllWhitePictureLeavesNothingVisible) {
  Form1& form = Start(" 1500  1500  3  1  100  100  100  100  0  0  0 ");  // no face, see-through
  EXPECT_FALSE(form.mask().isEmpty());
  EXPECT_FALSE(form.mask().intersects(form.rect()));
}

TEST_F(Form1Test, OnTopToggleKeepsThePlace) {
  Form1& form = Start();
  form.move(200, 150);
  form.Window().mOnTop_Click();
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.pos(), QPoint(200, 150));
  form.Window().mOnTop_Click();
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(form.pos(), QPoint(200, 150));
}

TEST_F(Form1Test, UncoveredWindowRepaintsFromTheKeptPicture) {
  Form1& form = Start();
  form.Window().Timer1_Timer();  // a tick draws only the discs
  QApplication::processEvents();
  // The rim from the start-up redraw is still there when the widget paints again.
  EXPECT_EQ(Picture()->grab().toImage().pixel(52, 12), qRgb(255, 0, 4));
}

// A screen reader finds the clock by its name and reads the time in words
// from its description, renewed with the minute; without one nothing is made.
TEST_F(Form1Test, AccessibleDescriptionTellsTheTimeOnlyForAnAssistiveTechnology) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QAccessible::setActive(false);
  // Nothing of accessibility is touched before the first frame: any call
  // wakes the bridge, which waits on the session bus.
  form_ = std::make_unique<Form1>(test_, DialogFactory{}, &time_, dir_ / kSettingsFileName);
  EXPECT_TRUE(Picture()->accessibleName().isEmpty());
  form_.reset();
  Form1& form = Start();
  // Named once the clock is on the screen.
  QElapsedTimer waited;
  waited.start();
  while (Picture()->accessibleName().isEmpty() && waited.elapsed() < 5000) QApplication::processEvents();
  QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(Picture());
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->text(QAccessible::Name), QStringLiteral("Tintwatch"));
  EXPECT_EQ(clock->text(QAccessible::Description), QString());
  // An assistive technology that starts finds the time at once.
  QAccessible::setActive(true);
  const QString at1547 = QStringLiteral("3:47:33\u202fPM\nhour lime, minute violet, second azure");
  EXPECT_EQ(clock->text(QAccessible::Description).replace(QChar(' '), QChar(0x202f)),
            QString(at1547).replace(QChar(' '), QChar(0x202f)));
  EXPECT_EQ(clock->text(QAccessible::Description), form.TimeInWords());
  // Within the minute it stays; the next minute renews it.
  time_.time = {15, 47, 50};
  form.Window().Timer1_Timer();
  QApplication::processEvents();
  EXPECT_TRUE(clock->text(QAccessible::Description).startsWith(QStringLiteral("3:47:33")));
  time_.time = {15, 48, 0};
  form.Window().Timer1_Timer();
  QApplication::processEvents();
  EXPECT_EQ(clock->text(QAccessible::Description), form.TimeInWords());
  EXPECT_TRUE(form.TimeInWords().startsWith(QStringLiteral("3:48:00")));
  // Once no assistive technology listens, the minute passes unwritten.
  QAccessible::setActive(false);
  time_.time = {15, 49, 0};
  form.Window().Timer1_Timer();
  QApplication::processEvents();
  EXPECT_TRUE(clock->text(QAccessible::Description).startsWith(QStringLiteral("3:48:00")));
  QLocale::setDefault(QLocale::system());
}

// The tip follows each tick while shown and is not given during a hue check test.
TEST_F(Form1Test, TimeTipFollowsTheFaceAndKeepsQuietDuringATest) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  Form1& form = Start();
  const QPoint inside = Picture()->mapToGlobal(QPoint(55, 55));
  QHelpEvent hover(QEvent::ToolTip, QPoint(55, 55), inside);
  QApplication::sendEvent(Picture(), &hover);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("15:47:33\nhour lime, minute violet, second azure"));
  time_.time = {15, 47, 34};
  form.Window().Timer1_Timer();
  QApplication::processEvents();
  EXPECT_EQ(QToolTip::text(), QStringLiteral("15:47:34\nhour lime, minute violet, second azure"));
  // The armed test's tick starts the run; its first colour takes the tip away.
  test_.TestActive = true;
  form.Window().Timer1_Timer();
  form.Window().Timer2_Timer();
  form.Timer2().SetInterval(0);
  // A tip goes a moment after it is told to.
  QElapsedTimer waited;
  waited.start();
  while (QToolTip::isVisible() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_FALSE(QToolTip::isVisible());
  QApplication::sendEvent(Picture(), &hover);
  QApplication::processEvents();
  EXPECT_FALSE(QToolTip::isVisible());
  QLocale::setDefault(QLocale::system());
}

TEST_F(Form1Test, PauseBoxTextTitleAndButton) {
  Form1& form = Start();
  QString title, text;
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Critical;
  ModalWatch<QMessageBox> watch([&](QMessageBox* box) {
    title = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    icon = box->icon();
    box->accept();
  });
  form.ShowPauseBox();
  EXPECT_EQ(title, QStringLiteral("Tintwatch"));
  EXPECT_EQ(text, QStringLiteral("Press okay to continue and then the colour will change in 1-2 secs"));
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(icon, QMessageBox::NoIcon);
}

// In the user's language: the menu, the words of the tip and the hue test's
// result are the translation's; the clock itself never mirrors, so the
// face is the English one pixel for pixel, though the menu and the message
// boxes read right to left in Arabic.
TEST_F(Form1Test, SpeaksTheLanguageButTheFaceNeverMirrors) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QImage english = [&] {
    Start();
    QImage face = Picture()->grab().toImage();
    form_.reset();
    return face;
  }();
  const struct {
    const char* language;
    Qt::LayoutDirection direction;
    const char* exit;
    const char* words;
    const char* result;
  } cases[] = {
      {"de", Qt::LeftToRight, "Beenden", "Stunde: Gelbgrün, Minute: Violett, Sekunde: Azurblau",
       "Sie haben 1 Farbwechsel verpasst, und zwar beim Wechsel auf 90 Grad"},
      {"ar", Qt::RightToLeft, "إنهاء", "الساعة: أخضر ليموني، الدقيقة: بنفسجي، الثانية: لازوردي",
       "فاتك تغيّر واحد في اللون عند الانتقال إلى التدرّج 90"},
  };
  for (const auto& c : cases) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("tintwatch_") + c.language, QStringLiteral(TINTWATCH_TRANSLATIONS)));
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(QGuiApplication::layoutDirection(), c.direction) << c.language;
    // The result dialog only says what it was given to show.
    std::string result;
    DialogFactory dialogs;
    dialogs.tester = [&](QWidget* parent, HueTestState& state) -> QDialog* {
      result = state.ResultText;
      auto* dialog = new QDialog(parent);
      QTimer::singleShot(0, dialog, &QDialog::reject);
      return dialog;
    };
    std::ofstream(dir_ / kSettingsFileName, std::ios::binary) << " 1500  1500  0  1  100  100  100  100  0  0  1 \r\n";
    form_ = std::make_unique<Form1>(test_, dialogs, &time_, dir_ / kSettingsFileName);
    form_->Load();
    QApplication::processEvents();
    Form1& form = *form_;
    EXPECT_EQ(form.layoutDirection(), Qt::LeftToRight) << c.language;
    EXPECT_EQ(Picture()->layoutDirection(), Qt::LeftToRight) << c.language;
    EXPECT_EQ(Picture()->grab().toImage(), english) << c.language;
    QMenu* menu = form.PopupMenu();
    EXPECT_EQ(menu->layoutDirection(), c.direction) << c.language;
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("mExit"))->text(), QString::fromUtf8(c.exit));
    EXPECT_EQ(menu->findChild<QMenu*>(QStringLiteral("mhelp"))->layoutDirection(), c.direction) << c.language;
    EXPECT_TRUE(form.TimeInWords().endsWith(QString::fromUtf8(c.words))) << qPrintable(form.TimeInWords());
    // A run of the hue test with one change missed: the result in the language.
    test_.HueStep = 90;
    test_.PauseAfter = 99;
    test_.TestActive = true;
    form.Window().Timer1_Timer();
    for (int step = 0; step < 8 && result.empty(); ++step) {
      form.Window().Timer2_Timer();
      if (step != 1) form.Window().Picture1_KeyDown(65, 0);
    }
    EXPECT_EQ(result, c.result) << c.language;
    test_.TestActive = false;
    QCoreApplication::removeTranslator(&translator);
    form_.reset();
  }
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
  QLocale::setDefault(QLocale::system());
}

TEST_F(Form1Test, ExitSavesAndCloses) {
  Form1& form = Start();
  form.move(40, 60);
  form.Window().mExit_Click();
  EXPECT_FALSE(form.isVisible());
  std::ifstream in(dir_ / kSettingsFileName, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), " 600  900  0  1  100  100  100  100  0  0  1 \r\n");
}

}  // namespace
}  // namespace tintwatch
