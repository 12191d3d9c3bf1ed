#include "platform/TaskbarEntry.h"

#include <QVariant>
#include <QWidget>

#ifdef TINTWATCH_HAVE_XCB
#include "platform/x11/TaskbarEntry_x11.h"
#endif

namespace tintwatch {

namespace {

constexpr const char* kTaskbarProperty = "tintwatchTaskbarEntry";

}  // namespace

void SetTaskbarEntry(QWidget* window, bool shown) {
  window->setProperty(kTaskbarProperty, shown);
#ifdef TINTWATCH_HAVE_XCB
  x11::SetSkipTaskbar(window, !shown);
#endif
}

bool HasTaskbarEntry(const QWidget* window) { return window->property(kTaskbarProperty).toBool(); }

}  // namespace tintwatch
