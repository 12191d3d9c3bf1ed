#include "qt/Form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QWindow>
#include <utility>

#include "core/face/TimeInWords.h"
#include "qt/Language.h"
#include "platform/ButtonState.h"
#include "platform/DirectPresent.h"
#include "platform/DisplayRoute.h"
#include "platform/LayeredWindows.h"
#include "platform/ScreenBlank.h"
#include "platform/Screens.h"
#include "platform/TaskbarEntry.h"

namespace tintwatch {

namespace {

constexpr double kTwips = QtSurface::kTwipsPerPixel;

int ToPixels(double twips) { return qRound(twips / kTwips); }

int ButtonCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons.testFlag(Qt::LeftButton)) code |= kLeftButton;
  if (buttons.testFlag(Qt::RightButton)) code |= kRightButton;
  if (buttons.testFlag(Qt::MiddleButton)) code |= kMiddleButton;
  return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  int code = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) code |= 1;
  if (modifiers.testFlag(Qt::ControlModifier)) code |= 2;
  if (modifiers.testFlag(Qt::AltModifier)) code |= 4;
  return code;
}

// An open dialog only comes forward when it is asked for again.
bool BringForward(QDialog* dialog) {
  if (!dialog) return false;
  dialog->raise();
  dialog->activateWindow();
  return true;
}


}  // namespace

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  switch (qtKey) {
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return keypad ? 109 : kKeyMinus;
    case Qt::Key_Plus: return keypad ? 107 : kKeyPlus;
    case Qt::Key_Equal: return kKeyPlus;
    case Qt::Key_Asterisk: return keypad ? 106 : 56;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: break;
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 65..90, as on Windows
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  return 255;  // some other key: it only redraws
}

Picture1::Picture1(Form1& form, QtSurface& surface) : QWidget(&form), form_(form), surface_(surface) {
  setObjectName(QStringLiteral("Picture1"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool Picture1::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    form_.ShowTimeTip(static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  return QWidget::event(event);
}

void Picture1::leaveEvent(QEvent* event) {
  form_.TimeTipLeft();
  QWidget::leaveEvent(event);
}

void Picture1::paintEvent(QPaintEvent* event) {
  // Repaints come from the kept picture, so an uncovered clock is whole at once.
  QPainter painter(this);
  const QImage& picture = surface_.Image();
  const qreal ratio = picture.devicePixelRatio();
  const QRect area = event->rect();
  PaintPicture(painter, &form_, picture,
               QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio).toAlignedRect());
}

void Picture1::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
}

void Picture1::mouseReleaseEvent(QMouseEvent* event) {
  form_.MouseReleased(event->button(), event->modifiers(), event->position());
}

void Picture1::mouseMoveEvent(QMouseEvent* event) {
  form_.MouseMoved(event->buttons(), event->modifiers(), event->position());
}

void Picture1::keyPressEvent(QKeyEvent* event) {
  form_.Window().Picture1_KeyDown(VirtualKeyCode(event->key(), event->modifiers()), ShiftCode(event->modifiers()));
}

Form1::Form1(HueTestState& test, DialogFactory dialogs, const TimeSource* time, std::filesystem::path settingsFile)
    : QWidget(nullptr, ClockWindowFlags()),
      test_(test),
      dialogs_(std::move(dialogs)),
      ownTime_(time ? nullptr : std::make_unique<SystemTimeSource>()),
      time_(time ? *time : *ownTime_),
      surface_(QSize(110, 110), devicePixelRatioF()),
      timer1_([this] { Tick([this] { window_.Timer1_Timer(timer1_.FiredAt()); }); }, QtIntervalTimer::Pace::WallClock,
              [this] { return time_.EpochMilliseconds(); }),
      timer2_([this] { Tick([this] { window_.Timer2_Timer(); }); }),
      window_(*this, surface_, timer1_, timer2_, time_, random_, test, std::move(settingsFile)),
      picture_(new Picture1(*this, surface_)) {
  setObjectName(QStringLiteral("Form1"));
  PrepareClockWindow(this);
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
  setFocusProxy(picture_);
  // The faces are pictures of a clock: they never mirror, whatever way the
  // language is written.
  setLayoutDirection(Qt::LeftToRight);
  colourWords_ = TranslatedColourWording();
  window_.Run().Wording = TranslatedResultWording();
  // A clock is hovered while another window has the keyboard.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  // The size the window has before start-up sets it, so that it never
  // shows at another.
  resize(110, 110);
  picture_->resize(size());
  picture_->hide();  // shown with the window
  surface_.SetChangedCallback([this] {
    if (presentPending_) return;
    presentPending_ = true;
    if (!ticking_) QMetaObject::invokeMethod(this, &Form1::Present, Qt::QueuedConnection);
  });
  moveWatch_.setInterval(20);
  connect(&moveWatch_, &QTimer::timeout, this, [this] {
    if (!LeftButtonHeld()) EndMove();
  });
  SetTaskbarEntry(this, false);
  // Once the toolkit has taken in every change of a rearrangement: the
  // signals come one screen at a time.
  screensChanged_.setSingleShot(true);
  screensChanged_.setInterval(0);
  connect(&screensChanged_, &QTimer::timeout, this, [this] { window_.ScreensChanged(); });
  for (QScreen* screen : QGuiApplication::screens()) WatchScreen(screen);
  connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
    WatchScreen(screen);
    screensChanged_.start();
  });
  connect(qApp, &QGuiApplication::screenRemoved, &screensChanged_, qOverload<>(&QTimer::start));
}

Form1::~Form1() {
  if (accessibilityStarted_) QAccessible::removeActivationObserver(this);
}

void Form1::StartAccessibility() {
  // Any accessibility call wakes the bridge, which waits on the session bus:
  // only once the clock is on the screen, never before its first frame.
  if (accessibilityStarted_) return;
  accessibilityStarted_ = true;
  picture_->setAccessibleName(QString::fromUtf8(kProgramTitle));
  QAccessible::installActivationObserver(this);
  accessibilityActiveChanged(QAccessible::isActive());
}

void Form1::accessibilityActiveChanged(bool active) {
  assistiveTechnology_ = active;
  // A screen reader that starts now finds the time at once, not a minute on.
  described_ = {};
  if (active) Describe();
}

void Form1::Tick(const std::function<void()>& handler) {
  // A tick shows its drawing as soon as it is done, without one more trip
  // round the event loop. A tick that opens a dialog (the hue test's pause
  // and result) presents before it, through the queued call.
  ticking_ = true;
  handler();
  ticking_ = false;
  Present();
}

void Form1::RunModal(const std::function<void()>& dialog) {
  // Whatever was drawn shows before the dialog, and drawing done while it is
  // open (a key on the clock) is presented as usual.
  Present();
  const bool ticking = ticking_;
  ticking_ = false;
  dialog();
  ticking_ = ticking;
}

void Form1::Present() {
  if (!presentPending_) return;
  presentPending_ = false;
  PresentPicture();
  // After the picture is out: the words follow the face and never hold it back.
  FollowInWords();
}

void Form1::PresentPicture() {
  const QImage& picture = surface_.Image();
  const QRect changed = surface_.TakeChangedRect();
  if (changed.isEmpty()) return;
  // A see-through window's shape, where the drawing changed it, goes to the
  // server together with the pixels.
  UpdateColourKey(this, picture, changed);
  if (PresentDirectly(this, picture, changed)) return;
  const qreal ratio = picture.devicePixelRatio();
  picture_->update(QRectF(changed.x() / ratio, changed.y() / ratio, changed.width() / ratio, changed.height() / ratio)
                       .toAlignedRect());
}

QString Form1::TimeInWords() const {
  return QString::fromStdString(window_.TimeInWords(
      [](int hour, int minute, int second) {
        const QLocale locale;
        const QString format =
            QString::fromStdString(WithSeconds(locale.timeFormat(QLocale::ShortFormat).toStdString()));
        return locale.toString(QTime(hour, minute, second), format).toStdString();
      },
      colourWords_));
}

void Form1::ShowTimeTip(QPoint globalPosition) {
  // Empty text hides a tip already shown.
  const QString text = TimeInWords();
  QToolTip::showText(globalPosition, text, picture_);
  tipShown_ = !text.isEmpty();
  tipPosition_ = globalPosition;
}

void Form1::FollowInWords() {
  // A tip on the screen keeps up with the face it describes.
  if (tipShown_) {
    if (QToolTip::isVisible()) {
      ShowTimeTip(tipPosition_);
    } else {
      tipShown_ = false;
    }
  }
  // Only for an assistive technology, and once a minute: without one this
  // is the whole cost.
  if (assistiveTechnology_) Describe();
}

void Form1::Describe() {
  const ClockWindow::WordsMinute minute = window_.WordsMinuteNow();
  if (minute == described_) return;
  described_ = minute;
  picture_->setAccessibleDescription(TimeInWords());
}

void Form1::ShowWelcome() {
  //: The first start's message; one line of the box for each line here.
  const QString text = QCoreApplication::translate(
      "Form1",
      "Welcome\nI shall say this only once!\nRight mouse-click on a bit of colour (on the clock) to get a menu of "
      "options\nAll the best,  Alder");
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Form1", "The Tint Watch with a Hue tester"), text, QMessageBox::Ok);
  box.setObjectName(QStringLiteral("WelcomeBox"));
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) label->setWordWrap(false);
  RunModal([&] { box.exec(); });
}

std::vector<PlaceRect> Form1::Screens(bool freeAreaOnly) const {
  std::vector<PlaceRect> screens = ScreenRects(freeAreaOnly);
  for (PlaceRect& screen : screens) {
    screen = {qRound(screen.left * kTwips), qRound(screen.top * kTwips), qRound(screen.width * kTwips),
              qRound(screen.height * kTwips)};
  }
  return screens;
}

void Form1::WatchScreen(QScreen* screen) {
  connect(screen, &QScreen::geometryChanged, &screensChanged_, qOverload<>(&QTimer::start));
  connect(screen, &QScreen::availableGeometryChanged, &screensChanged_, qOverload<>(&QTimer::start));
}

void Form1::ComeForward() {
  window_.ScreensChanged();
  show();
  raise();
  activateWindow();
  // A dialog the clock waits on stays in front of it.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

void Form1::MoveTo(double left, double top) {
  placeGiven_ = QPoint(ToPixels(left), ToPixels(top));
  move(placeGiven_);
}

QPoint Form1::Place() const { return DesktopTellsPlaces() ? pos() : placeGiven_; }

void Form1::Resize(double width, double height) {
  // The platform snaps to whole pixels and allows no window smaller than one.
  const QSize pixels(std::max(1, ToPixels(width)), std::max(1, ToPixels(height)));
  // Size and place in one request: a size alone goes out with the platform
  // window's own idea of its place, which at a scale factor can still be the
  // frame-relative 0,0 and would throw the clock into the corner.
  FixSizeForTheDesktop(this, pixels);
  setGeometry(QRect(geometry().topLeft(), pixels));
  picture_->resize(pixels);
  surface_.Resize(pixels, devicePixelRatioF());
}

void Form1::showEvent(QShowEvent* event) {
  if (QWindow* handle = windowHandle(); handle && handle != watchedWindow_) {
    // Changing a window flag can give the widget a new native window.
    watchedWindow_ = handle;
    connect(handle, &QWindow::screenChanged, this, &Form1::FollowScreenScale);
    handle->installEventFilter(this);
  }
  QWidget::showEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // Ticks go straight to the screen, past the toolkit's copy of the window;
  // an exposed window must be painted afresh from the picture, not from
  // that copy, which may hold an older face.
  if (event->type() == QEvent::Expose && watched == watchedWindow_) {
    picture_->update();
    // After this exposure's painting, which follows this filter.
    if (!firstShown_ && watchedWindow_->isExposed()) {
      firstShown_ = true;
      QTimer::singleShot(0, this, [this] {
        StartAccessibility();
        // Unseen, the clock sleeps; seen again, the present second goes out
        // at once, and the words with it.
        WhenScreenSeenChanges(this, [this](bool seen) { Tick([this, seen] { window_.ScreenSeen(seen); }); });
        if (firstOnScreen_) std::exchange(firstOnScreen_, nullptr)();
      });
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::FollowScreenScale() {
  // A move to a screen with another scale keeps the picture crisp there.
  if (surface_.Image().devicePixelRatio() == devicePixelRatioF()) return;
  surface_.Resize(size(), devicePixelRatioF());
  window_.Redraw();
}

void Form1::SetOnTop(bool onTop) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
    // Changing a window flag hides the window and can reset or replace its
    // native window: show it again where it was, as it was.
    const bool wasVisible = isVisible();
    const QPoint place = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) move(place);
    RestoreLayering(this);
  }
  show();
  // After the window, not with it: the first widget shown wakes the
  // accessibility bridge, whose session-bus connection would otherwise hold
  // back the window's appearing.
  picture_->show();
  ApplyColourKey(this, surface_.Image());
}

void Form1::MakeTransparent() {
  tintwatch::MakeTransparent(this);
  ApplyColourKey(this, surface_.Image());
}

void Form1::MakeOpaque() { tintwatch::MakeOpaque(this); }

void Form1::AddAction(QMenu* menu, const char* name, const QString& caption, void (ClockWindow::*command)(),
                      bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromUtf8(name));
  action->setCheckable(checkable);
  connect(action, &QAction::triggered, this, [this, command] { (window_.*command)(); });
}

QMenu* Form1::PopupMenu() {
  // Built on first use: a clock that is only looked at never needs it.
  if (menu_) return menu_;
  menu_ = new QMenu(QCoreApplication::translate("Menu", "Options"), this);
  menu_->setObjectName(QStringLiteral("options"));
  // The menu reads the language's way, though the clock it belongs to does not.
  menu_->setLayoutDirection(QGuiApplication::layoutDirection());
  //: Menu command: keep the clock above other windows.
  AddAction(menu_, "mOnTop", QCoreApplication::translate("Menu", "Stay on Top"), &ClockWindow::mOnTop_Click, true);
  //: Menu command: off makes the clock's white see-through.
  AddAction(menu_, "mopaque", QCoreApplication::translate("Menu", "White background"), &ClockWindow::mopaque_Click,
            true);
  //: Menu command: the faces without their rim and colour bars.
  AddAction(menu_, "mexpert", QCoreApplication::translate("Menu", "Expert Mode"), &ClockWindow::mexpert_Click, true);
  QMenu* size = menu_->addMenu(QCoreApplication::translate("Menu", "Window Size"));
  size->setObjectName(QStringLiteral("mwindow"));
  //: The clock twice as large; the "+" is its key. Keep the space at the end.
  AddAction(size, "mbigger", QCoreApplication::translate("Menu", "+ Bigger "), &ClockWindow::mbigger_Click);
  //: The clock half as large; the "-" is its key.
  AddAction(size, "msmaller", QCoreApplication::translate("Menu", "- Smaller"), &ClockWindow::msmaller_Click);
  AddAction(menu_, "mclock", QCoreApplication::translate("Menu", "Clock Options ..."), &ClockWindow::mclock_Click);
  menu_->addSeparator()->setObjectName(QStringLiteral("mblank1"));
  AddAction(menu_, "mtest", QCoreApplication::translate("Menu", "A Hue Check Test"), &ClockWindow::mtest_Click);
  menu_->addSeparator()->setObjectName(QStringLiteral("mblank2"));
  //: The submenu of About, the manual and the web site.
  QMenu* help = menu_->addMenu(QCoreApplication::translate("Menu", "Help"));
  help->setObjectName(QStringLiteral("mhelp"));
  //: Opens the About box.
  AddAction(help, "mabout", QCoreApplication::translate("Menu", "About"), &ClockWindow::mabout_Click);
  //: Opens the manual in the web browser (it is shipped with the program).
  AddAction(help, "monline", QCoreApplication::translate("Menu", "Online Help"), &ClockWindow::monline_Click);
  //: Opens the author's web site.
  AddAction(help, "mweb", QCoreApplication::translate("Menu", "My Web site!"), &ClockWindow::mweb_Click);
  menu_->addSeparator()->setObjectName(QStringLiteral("mblank"));
  //: Saves the settings and ends the program.
  AddAction(menu_, "mExit", QCoreApplication::translate("Menu", "Exit"), &ClockWindow::mExit_Click);
  for (QMenu* submenu : {size, help}) submenu->setLayoutDirection(menu_->layoutDirection());
  return menu_;
}

void Form1::ShowPopupMenu(bool onTop, bool expertMode, bool whiteBackground) {
  QMenu* menu = PopupMenu();
  menu->findChild<QAction*>(QStringLiteral("mOnTop"))->setChecked(onTop);
  menu->findChild<QAction*>(QStringLiteral("mexpert"))->setChecked(expertMode);
  menu->findChild<QAction*>(QStringLiteral("mopaque"))->setChecked(whiteBackground);
  menu->popup(QCursor::pos());
}

void Form1::MouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position) {
  if (moving_ == Move::ByHand) {
    move(QCursor::pos() - grabOffset_);
    return;
  }
  if (moving_ == Move::System) return;
  // After the window manager's own move the toolkit may still think the
  // button is down; a move is only started for a button really held.
  if (buttons == Qt::LeftButton && !LeftButtonHeld()) return;
  window_.Picture1_MouseMove(ButtonCode(buttons), ShiftCode(modifiers), position.x() * kTwips,
                             position.y() * kTwips);
}

void Form1::MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position) {
  if (moving_ == Move::ByHand && button == Qt::LeftButton) {
    EndMove();
    return;
  }
  window_.Picture1_MouseUp(ButtonCode(button), ShiftCode(modifiers), position.x() * kTwips, position.y() * kTwips);
}

void Form1::StartMove() {
  if (DesktopMovesWindows() && windowHandle() && windowHandle()->startSystemMove()) {
    // The platform's move runs on its own; it is over when the button is up.
    moving_ = Move::System;
    moveWatch_.start();
    return;
  }
  moving_ = Move::ByHand;
  grabOffset_ = QCursor::pos() - pos();
  // The pointer may outrun the window: its moves come here wherever it is.
  picture_->grabMouse();
}

void Form1::EndMove() {
  if (moving_ == Move::ByHand) picture_->releaseMouse();
  moveWatch_.stop();
  moving_ = Move::None;
  window_.MoveEnded();
}

void Form1::ShowOptions() {
  if (!dialogs_.options) return;
  QDialog* dialog = dialogs_.options(this, window_.Settings);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  RunModal([&] { dialog->exec(); });
}

void Form1::ShowTester(bool modal) {
  if (!dialogs_.tester) return;
  if (!modal && BringForward(tester_)) return;
  // The result replaces a set-up dialog still open from the menu: never two.
  if (modal && tester_) delete tester_.data();
  // Owned by the clock, so that it stays out of the taskbar and above it.
  QDialog* dialog = dialogs_.tester(this, test_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  tester_ = dialog;
  if (modal) {
    RunModal([&] { dialog->exec(); });
  } else {
    dialog->show();
  }
}

void Form1::ShowAbout() {
  if (!dialogs_.about) return;
  if (BringForward(about_)) return;
  QDialog* dialog = dialogs_.about(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  about_ = dialog;
  dialog->show();
}

void Form1::CloseAbout() {
  if (about_) about_->close();
}

std::string Form1::HelpAddress() const {
  // In the program's language where its page is there, else in English:
  // beside the program (the build tree, Windows), or in the shared data of
  // an installed program.
  const QDir programDir(QCoreApplication::applicationDirPath());
  const QString page =
      HelpPageFor(InstalledLanguage(), {programDir.path(), programDir.filePath(QStringLiteral("../share/tintwatch"))});
  if (!page.isEmpty()) return QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()).toString().toStdString();
  return std::string(kHomeAddress) + "help.html";
}

void Form1::OpenAddress(const std::string& address) {
  // As the shell's "open": nothing is reported if it fails.
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void Form1::ShowPauseBox() {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle),
                  QCoreApplication::translate("HueTest", "Press okay to continue and then the colour will change in 1-2 secs"),
                  QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("PauseBox"));
  box.setLayoutDirection(QGuiApplication::layoutDirection());
  RunModal([&] {
    QApplication::beep();
    box.exec();
  });
}

void Form1::ShowSaveFailed(const std::string& file, const std::string& reason) {
  //: Exit could not write the settings file. %1: the file's path; %2: the system's reason.
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramTitle),
                  QCoreApplication::translate("Form1", "Tintwatch could not save its settings to\n%1\n\n%2")
                      .arg(QString::fromStdString(file), QString::fromStdString(reason)),
                  QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("SaveFailedBox"));
  box.setLayoutDirection(QGuiApplication::layoutDirection());
  RunModal([&] { box.exec(); });
}

}  // namespace tintwatch
