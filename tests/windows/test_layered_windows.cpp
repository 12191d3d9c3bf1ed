// The see-through calls on a real top-level Win32 window: the extended style
// word and the layered attributes they leave, read back from the system.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/windows/LayeredWindows_win.h"

namespace tintwatch::win32 {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMidGrey = RGB(128, 128, 128);

class LayeredWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TintwatchLayeringTest";
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    // As the clock starts: a borderless, topmost tool window without a taskbar button.
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "TintwatchLayeringTest", "Tintwatch", WS_POPUP,
                              100, 100, 110, 110, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window_, nullptr) << "no window: " << GetLastError();
    ShowWindow(window_, SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  LONG Style() const { return GetWindowLongA(window_, GWL_EXSTYLE); }
  // The colour key and flags the window holds, or none when it is not layered.
  struct Key {
    bool layered;
    COLORREF colour;
    DWORD flags;
  };
  Key Attributes() const {
    COLORREF colour = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool layered = GetLayeredWindowAttributes(window_, &colour, &alpha, &flags) != 0;
    return {layered, colour, flags};
  }

  HWND window_ = nullptr;
};

TEST_F(LayeredWindowTest, OffOnOffSwitchesTheKeyAndKeepsTheTaskbarButton) {
  const LONG initial = Style();
  ASSERT_TRUE(initial & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(initial & WS_EX_LAYERED);
  EXPECT_FALSE(initial & WS_EX_APPWINDOW);

  MakeTransparent(window_);  // white background off
  EXPECT_EQ(Style(), initial | WS_EX_LAYERED) << "the layered bit or-ed into the style the window had";
  Key key = Attributes();
  ASSERT_TRUE(key.layered);
  EXPECT_EQ(key.colour, kWhite);
  EXPECT_EQ(key.flags, static_cast<DWORD>(LWA_COLORKEY));

  MakeOpaque(window_);  // on
  const LONG opaque = Style();
  EXPECT_TRUE(opaque & WS_EX_APPWINDOW);
  EXPECT_FALSE(opaque & WS_EX_TOOLWINDOW) << "a tool window would keep the taskbar button away";
  key = Attributes();
  ASSERT_TRUE(key.layered);
  EXPECT_EQ(key.colour, kMidGrey) << "white is shown again";
  EXPECT_EQ(key.flags, static_cast<DWORD>(LWA_COLORKEY));

  MakeTransparent(window_);  // off again
  EXPECT_EQ(Style(), opaque | WS_EX_LAYERED);
  EXPECT_TRUE(Style() & WS_EX_APPWINDOW) << "the taskbar button stays from the first MakeOpaque on";
  EXPECT_EQ(Attributes().colour, kWhite);
}

TEST_F(LayeredWindowTest, FirstOpaqueGivesTheButtonAndNothingSeeThrough) {
  MakeOpaque(window_);
  EXPECT_TRUE(Style() & WS_EX_APPWINDOW);
  const Key key = Attributes();
  EXPECT_FALSE(key.layered && key.colour == kWhite) << "no white pixel may be a hole";
  MakeTransparent(window_);
  EXPECT_TRUE(Style() & WS_EX_APPWINDOW);
  EXPECT_TRUE(Style() & WS_EX_LAYERED);
  EXPECT_EQ(Attributes().colour, kWhite);
}

TEST_F(LayeredWindowTest, ButtonStateFollowsThePrimaryButton) {
  // Injected input reaches the system's key state as a real press does.
  const auto press = [](DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
  };
  EXPECT_FALSE(LeftButtonHeld());
  ASSERT_TRUE(press(MOUSEEVENTF_LEFTDOWN));
  EXPECT_TRUE(LeftButtonHeld());
  ASSERT_TRUE(press(MOUSEEVENTF_LEFTUP));
  EXPECT_FALSE(LeftButtonHeld());
}

}  // namespace
}  // namespace tintwatch::win32
