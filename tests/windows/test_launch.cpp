// The Start menu's launcher: the settings folder it makes and the start of
// the clock in it.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/windows/Launch_win.h"

namespace tintwatch::win32 {
namespace {

class SettingsFolderTest : public testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(appData_); }
  void TearDown() override { std::filesystem::remove_all(appData_); }
  const std::filesystem::path appData_ =
      std::filesystem::absolute(std::filesystem::temp_directory_path() / "tintwatch-launch-test");
  std::wstring why_;
};

TEST_F(SettingsFolderTest, MadeWhenMissingAndKeptWhenThere) {
  const std::wstring folder = SettingsFolder(appData_.wstring(), why_);
  EXPECT_EQ(std::filesystem::path(folder), appData_ / "Tintwatch");
  EXPECT_TRUE(std::filesystem::is_directory(appData_ / "Tintwatch"));
  // A file in it stays: the second start finds the folder and its settings.
  std::ofstream(appData_ / "Tintwatch" / "Tintwatch.txt") << "kept";
  EXPECT_EQ(SettingsFolder(appData_.wstring() + L"\\", why_), folder);
  EXPECT_TRUE(std::filesystem::exists(appData_ / "Tintwatch" / "Tintwatch.txt"));
  EXPECT_TRUE(why_.empty());
}

TEST_F(SettingsFolderTest, RefusesWhatIsNoPlaceForSettings) {
  EXPECT_TRUE(SettingsFolder(L"", why_).empty());
  EXPECT_EQ(why_, L"APPDATA is not set");
  EXPECT_TRUE(SettingsFolder(L"Roaming", why_).empty());
  EXPECT_EQ(why_, L"APPDATA (Roaming) is not a full path");
  // A file where the folder should be.
  std::ofstream(appData_ / "Tintwatch") << "in the way";
  why_.clear();
  EXPECT_TRUE(SettingsFolder(appData_.wstring(), why_).empty());
  EXPECT_EQ(why_.rfind(L"cannot use " + (appData_ / "Tintwatch").wstring() + L" to keep the settings in: ", 0), 0u)
      << std::filesystem::path(why_).string();
  // No parent folder at all.
  why_.clear();
  EXPECT_TRUE(SettingsFolder((appData_ / "missing" / "deeper").wstring(), why_).empty());
  EXPECT_FALSE(why_.empty());
}

TEST(StartInTest, NamesTheProgramThatCannotStart) {
  std::wstring why;
  const std::wstring missing = (std::filesystem::temp_directory_path() / "no-such-clock.exe").wstring();
  EXPECT_FALSE(StartIn(missing, std::filesystem::temp_directory_path().wstring(), why));
  EXPECT_EQ(why.rfind(L"cannot start " + missing + L": ", 0), 0u) << std::filesystem::path(why).string();
}

}  // namespace
}  // namespace tintwatch::win32
