#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tintwatch {

// Acts on the modal dialog of type T once the code under test has opened it.
// Where another modal window opens instead, or none within a few seconds,
// the test fails at once and the open window is closed, so that the call
// under test returns instead of waiting for ctest's time-out.
template <typename T>
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(T*)> act) : act_(std::move(act)) {
    waited_.start();
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }
  ~ModalWatch() {
    if (!acted_) ADD_FAILURE() << "the expected modal dialog never opened";
  }
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = dynamic_cast<T*>(modal)) {
      timer_.stop();
      acted_ = true;
      act_(dialog);
      return;
    }
    if (!modal && waited_.elapsed() < 5000) return;
    timer_.stop();
    acted_ = true;  // reported here
    ADD_FAILURE() << (modal ? "another modal window opened: " + modal->windowTitle().toStdString()
                            : std::string("no modal dialog opened"));
    if (modal) modal->close();
  }

  std::function<void(T*)> act_;
  QTimer timer_;
  QElapsedTimer waited_;
  bool acted_ = false;
};

}  // namespace tintwatch
