// The display's power state and the session's lock on a real Win32 window.
// Under Wine neither registration is more than a stub, and Wine sends
// neither notification of its own: the display-state one that Windows sends
// at registration is looked for and reported, and both are then sent here
// as Windows sends them, to the window that registered for them.
#include <gtest/gtest.h>
#include <windows.h>
#include <wtsapi32.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/windows/ScreenBlank_win.h"

namespace tintwatch::win32 {
namespace {

constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kOtherSetting = {0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

// What the watch passed on: the display's state, or 10 + a lock (1) or unlock (0).
using Heard = unsigned long;

// A WM_POWERBROADCAST as Windows sends it: the setting's GUID and a DWORD.
LRESULT SendSetting(HWND window, const GUID& setting, DWORD value) {
  std::vector<unsigned char> buffer(sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD));
  auto* data = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer.data());
  data->PowerSetting = setting;
  data->DataLength = sizeof(DWORD);
  std::memcpy(data->Data, &value, sizeof value);
  return SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(data));
}

TEST(DisplayWatchTest, TellsTheDisplaysStateAndTheSessionsLock) {
  std::vector<Heard> heard;
  DisplayWatch watch([&](unsigned long state) { heard.push_back(state); },
                     [&](bool locked) { heard.push_back(10 + (locked ? 1 : 0)); });
  ASSERT_NE(watch.Window(), nullptr);
  EXPECT_TRUE(watch.DisplayStateRegistered());
  EXPECT_TRUE(watch.SessionRegistered());
  // Windows tells the display's state at once; Wine does not.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  std::printf("display state told at registration: %s; the lock and the display's changes are not sent by Wine\n",
              heard.empty() ? "no (as under Wine)" : "yes");
  heard.clear();

  const auto window = static_cast<HWND>(watch.Window());
  EXPECT_EQ(SendSetting(window, kConsoleDisplayState, 0), TRUE);  // off
  SendSetting(window, kConsoleDisplayState, 2);                   // dimmed
  SendSetting(window, kConsoleDisplayState, 1);                   // on
  SendSetting(window, kOtherSetting, 0);                          // not the display's: ignored
  SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 1);
  SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, 1);  // ignored
  SendMessageW(window, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 1);
  const std::vector<Heard> expected = {0, 2, 1, 11, 10};
  EXPECT_EQ(heard, expected);
}

}  // namespace
}  // namespace tintwatch::win32
