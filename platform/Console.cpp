#include "platform/Console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "platform/windows/Console_win.h"
#endif

namespace tintwatch {

void UseStartingConsole() {
#ifdef Q_OS_WIN
  win32::AttachStartingConsole();
#endif
}

}  // namespace tintwatch
