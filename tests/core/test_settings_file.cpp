#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "core/window/SettingsFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace tintwatch {
namespace {

std::string SettingsText(const ClockSettings& s) {
  std::ostringstream out;
  out << s.ClockType << ' ' << s.TickRate << ' ' << s.SmoothRunning << ' ' << s.SatMax << ' ' << s.SatMin << ' '
      << s.BriMax << ' ' << s.BriMin;
  return out.str();
}

const std::string kDefaults = SettingsText(ClockSettings{});

TEST(SettingsFormat, DefaultLineHasSignBlanksAndTrailingBlank) {
  EXPECT_EQ(FormatSettingsLine(150, 90, ClockSettings{}, false, true),
            " 150  90  0  1  100  100  100  100  0  0  1 \r\n");
}

TEST(SettingsFormat, NegativesFractionsAndFlagsInFileOrder) {
  ClockSettings s;
  s.ClockType = 2;
  s.TickRate = 5;
  s.SmoothRunning = true;
  s.SatMax = 90;
  s.SatMin = -3;
  s.BriMax = 32767;
  s.BriMin = -32768;
  EXPECT_EQ(FormatSettingsLine(-1500, 100.5f, s, true, false),
            "-1500  100.5  2  5  90 -3  32767 -32768  1  1  0 \r\n");
  // Seven significant digits, no decimal point for whole numbers.
  EXPECT_EQ(FormatSettingsLine(1234567, 0.1f, ClockSettings{}, false, false).substr(0, 16), " 1234567  0.1  0");
  EXPECT_EQ(FormatSettingsLine(-0.0f, 57600, ClockSettings{}, false, false).substr(0, 11), " 0  57600  ");
}

TEST(SettingsRead, FullLineRoundTrips) {
  ClockSettings written;
  written.ClockType = 1;
  written.TickRate = 2;
  written.SmoothRunning = true;
  written.SatMax = 80;
  written.SatMin = 20;
  written.BriMax = 70;
  written.BriMin = 30;
  ClockSettings read;
  const auto extras = ReadSettings(FormatSettingsLine(-45, 3000, written, true, false), read);
  ASSERT_TRUE(extras);
  EXPECT_EQ(SettingsText(read), SettingsText(written));
  EXPECT_EQ(extras->Left, -45);
  EXPECT_EQ(extras->Top, 3000);
  EXPECT_TRUE(extras->ExpertMode);
  EXPECT_FALSE(extras->WhiteBackground);
}

TEST(SettingsRead, SeparatorsLineEndsAndExtraValues) {
  for (const char* text : {"150,90,0,1,100,100,100,100,1,1,1", "\t150\t90 , 0, 1,100 ,100,100,100,1,1,1",
                           "150\r\n90\r\n0\r\n1\r\n100\r\n100\r\n100\r\n100\r\n1\r\n1\r\n1\r\n",
                           "150 90 0 1 100 100 100 100 1 1 1 999 garbage\n more", "150 90 0 1 100 100 100 100 1 1 1"}) {
    ClockSettings s;
    const auto extras = ReadSettings(text, s);
    ASSERT_TRUE(extras) << text;
    EXPECT_EQ(extras->Left, 150) << text;
    EXPECT_TRUE(s.SmoothRunning && extras->ExpertMode && extras->WhiteBackground) << text;
  }
}

TEST(SettingsRead, OnlyOneMeansTrue) {
  ClockSettings s;
  auto extras = ReadSettings("0 0 0 1 100 100 100 100 -1 2 0", s);
  ASSERT_TRUE(extras);
  EXPECT_FALSE(s.SmoothRunning);
  EXPECT_FALSE(extras->ExpertMode);
  EXPECT_FALSE(extras->WhiteBackground);
  extras = ReadSettings("0 0 0 1 100 100 100 100 1.4 0.5 1.5", s);  // rounded before the test
  ASSERT_TRUE(extras);
  EXPECT_TRUE(s.SmoothRunning);
  EXPECT_FALSE(extras->ExpertMode);
  EXPECT_FALSE(extras->WhiteBackground);
}

TEST(SettingsRead, FractionsRoundToEvenAndValuesStayUnchecked) {
  ClockSettings s;
  const auto extras = ReadSettings("100.5 101.5 3 5 150 -7 32767.4 -32768.5 0 0 1", s);
  ASSERT_TRUE(extras);
  EXPECT_EQ(extras->Left, 100);
  EXPECT_EQ(extras->Top, 102);
  EXPECT_EQ(s.ClockType, 3);
  EXPECT_EQ(s.TickRate, 5);
  EXPECT_EQ(s.SatMax, 150);
  EXPECT_EQ(s.SatMin, -7);
  EXPECT_EQ(s.BriMax, 32767);
  EXPECT_EQ(s.BriMin, -32768);  // -32768.5 is a tie and rounds to the even -32768
}

TEST(SettingsRead, PositionBeyondSixteenBitsIsKept) {
  ClockSettings s;
  const auto extras = ReadSettings("40000 -33000 1 1 100 100 100 100 0 0 1", s);
  ASSERT_TRUE(extras);
  EXPECT_EQ(extras->Left, 40000);
  EXPECT_EQ(extras->Top, -33000);
  EXPECT_EQ(s.ClockType, 1);
  EXPECT_FALSE(ReadSettings("2147483648 0 1 1 100 100 100 100 0 0 1", s));
}

TEST(SettingsRead, FailuresKeepWhatWasStoredBeforeThem) {
  struct Case {
    const char* text;
    std::string expected;  // the record after the failure
  };
  const Case cases[] = {
      {"", kDefaults},
      {"   \r\n\t ", kDefaults},
      {"10 20 2 5 50", "2 5 0 50 100 100 100"},             // five values
      {"10 20 2 5 50 60 70 80 1 1", "2 5 0 50 60 70 80"},   // ten values: flags stay default
      {"10 20 2 32768 50 60 70 80 1 1 1", "2 1 0 100 100 100 100"},  // out of 16 bits
      {"10 20 2 1 abc 60 70 80 1 1 1", "2 1 0 100 100 100 100"},     // not a number
      {"10 20 2 1 5x 60 70 80 1 1 1", "2 1 0 100 100 100 100"},
      {"10 20 2 1 50,,60 70 80 1 1 1", "2 1 0 50 100 100 100"},      // empty field
      {"10 20 2 1 50 nan 70 80 1 1 1", "2 1 0 50 100 100 100"},
      {"10 20 2 1 50 60 70 80 1 1 1e9", "2 1 0 50 60 70 80"},
      {"0x10 20 2 1 50 60 70 80 1 1 1", kDefaults},
      {"--1 20 2 1 50 60 70 80 1 1 1", kDefaults},
  };
  for (const Case& c : cases) {
    ClockSettings s;
    EXPECT_FALSE(ReadSettings(c.text, s)) << c.text;
    EXPECT_EQ(SettingsText(s), c.expected) << c.text;
  }
}

TEST(SettingsRead, AcceptsSignsAndExponents) {
  ClockSettings s;
  const auto extras = ReadSettings("+15 -0 1e1 .5e1 5. 0 0 0 0 0 1", s);
  ASSERT_TRUE(extras);
  EXPECT_EQ(extras->Left, 15);
  EXPECT_EQ(s.ClockType, 10);
  EXPECT_EQ(s.TickRate, 5);
  EXPECT_EQ(s.SatMax, 5);
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tintwatch-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    file_ = dir_ / kSettingsFileName;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Contents() const {
    std::ifstream in(file_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& text) const { Write(file_, text); }
  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  static std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The names in the folder: a save leaves nothing behind but what it means to.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.insert(entry.path().filename().string());
    return names;
  }
  std::filesystem::path dir_;
  std::filesystem::path file_;
};

TEST_F(SettingsFileTest, MissingFileTakesTheFailurePath) {
  ClockSettings s;
  EXPECT_FALSE(LoadSettings(s, file_));
  EXPECT_EQ(SettingsText(s), kDefaults);
  EXPECT_FALSE(LoadSettings(s, dir_));  // a folder by that name
}

TEST_F(SettingsFileTest, SaveThenLoad) {
  ClockSettings s;
  s.ClockType = 2;
  s.SatMin = 40;
  ASSERT_TRUE(SaveSettings(FormatSettingsLine(600, 450, s, true, true), file_));
  EXPECT_EQ(Contents(), " 600  450  2  1  100  40  100  100  0  1  1 \r\n");
  EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
  ClockSettings read;
  const auto extras = LoadSettings(read, file_);
  ASSERT_TRUE(extras);
  EXPECT_EQ(SettingsText(read), SettingsText(s));
  EXPECT_EQ(extras->Top, 450);
}

TEST_F(SettingsFileTest, SaveReplacesALongerFileWhole) {
  Write(std::string(5000, '7'));
  ASSERT_TRUE(SaveSettings(FormatSettingsLine(0, 0, ClockSettings{}, false, true), file_));
  EXPECT_EQ(Contents(), " 0  0  0  1  100  100  100  100  0  0  1 \r\n");
}

#ifndef _WIN32
TEST_F(SettingsFileTest, NoRoomForANewFileWritesInPlace) {
  // A link to a file whose name leaves no room for a longer one beside it
  // stands for a folder that takes no new file.
  const std::filesystem::path target = dir_ / std::string(250, 'n');
  std::filesystem::create_symlink(target, file_);
  Write(target, " 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  EXPECT_TRUE(SaveSettings(" 2  2  0  1  100  100  100  100  0  0  1 \r\n", file_));
  EXPECT_EQ(Contents(target), " 2  2  0  1  100  100  100  100  0  0  1 \r\n");
  // A file that did not load is not written over where no copy can be kept.
  Write(target, "\xEF\xBB\xBF 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  EXPECT_FALSE(SaveSettings(" 2 \r\n", file_));
  EXPECT_EQ(Contents(target), "\xEF\xBB\xBF 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  EXPECT_EQ(Entries(), (std::set<std::string>{kSettingsFileName, target.filename().string()}));
}
#endif

TEST_F(SettingsFileTest, UnwritableLocationReportsFailureWithItsReason) {
  const SaveResult result = SaveSettings(" 1 \r\n", dir_ / "no-such-folder" / kSettingsFileName);
  EXPECT_EQ(result.kind, SaveResult::Failed);
  EXPECT_EQ(result.reason, std::errc::no_such_file_or_directory);
}

TEST_F(SettingsFileTest, LinkIsWrittenThrough) {
  const std::filesystem::path target = dir_ / "real.txt";
  Write("x");
  std::filesystem::rename(file_, target);
  std::error_code error;
  std::filesystem::create_symlink(target, file_, error);
  // Windows lets only administrators and developer mode make links.
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  ASSERT_TRUE(SaveSettings(" 2 \r\n", file_));
  EXPECT_TRUE(std::filesystem::is_symlink(file_));
  std::ifstream in(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), " 2 \r\n");
}

TEST_F(SettingsFileTest, FileThatCannotBeReplacedKeepsItsOldContentOrGetsTheNewWhole) {
  const std::string before = " 1500  1500  0  1  100  100  100  100  0  0  1 \r\n";
  const std::string after = " 600  450  2  1  100  40  100  100  0  1  1 \r\n";
  // A read-only file was made so on purpose: it is not replaced, even by
  // someone allowed to, and the save says so.
  using std::filesystem::perms;
  Write(before);
  const perms readOnly = perms::owner_read | perms::group_read | perms::others_read;
  std::filesystem::permissions(file_, readOnly);
  EXPECT_EQ(SaveSettings(after, file_).kind, SaveResult::ReadOnly);
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(std::filesystem::status(file_).permissions() & (perms::owner_write | perms::group_write | perms::others_write),
            perms::none);
  EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
  std::filesystem::permissions(file_, perms::owner_all);
  Write(before);
  {
    // Held open by a reader, the file is either the old one, reported as
    // not saved, or the new one whole.
    std::ifstream reader(file_, std::ios::binary);
    ASSERT_TRUE(reader);
    const bool saved = static_cast<bool>(SaveSettings(after, file_));
    EXPECT_EQ(Contents(), saved ? after : before);
    EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
  }
#ifdef _WIN32
  Write(before);
  const HANDLE holder = CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(SaveSettings(after, file_)) << "a file no one else may write cannot be saved";
  CloseHandle(holder);
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
#endif
}

TEST_F(SettingsFileTest, FileThatDidNotLoadIsKeptBesideInOneCopy) {
  const std::string line = " 600  450  2  1  100  40  100  100  0  1  1 \r\n";
  const std::string utf16 = std::string("\xFF\xFE 1\0 5\0", 8);
  for (const std::string& unloadable : {"\xEF\xBB\xBF" + line, "\xC2\xA0" + line, "1e-400 " + line, utf16,
                                        std::string(5000, '7')}) {
    Write(unloadable);
    ClockSettings s;
    ASSERT_FALSE(LoadSettings(s, file_));
    EXPECT_TRUE(SaveSettings(line, file_));
    EXPECT_EQ(Contents(), line);
    // The newest file that did not load replaces an older copy.
    EXPECT_EQ(Contents(dir_ / "Tintwatch.txt.unreadable"), unloadable);
    EXPECT_EQ(Entries(), (std::set<std::string>{kSettingsFileName, "Tintwatch.txt.unreadable"}));
  }
  // A file that loads, or an empty one, has nothing that would be lost.
  std::filesystem::remove(dir_ / "Tintwatch.txt.unreadable");
  for (const std::string& loadable : {line, std::string()}) {
    Write(loadable);
    EXPECT_TRUE(SaveSettings(" 1  1  0  1  100  100  100  100  0  0  1 \r\n", file_));
    EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
  }
  // Where no copy can be made, the file is not replaced.
  std::filesystem::create_directories(dir_ / "Tintwatch.txt.unreadable" / "child");
  Write("garbage");
  EXPECT_FALSE(SaveSettings(line, file_));
  EXPECT_EQ(Contents(), "garbage");
  EXPECT_EQ(Entries(), (std::set<std::string>{kSettingsFileName, "Tintwatch.txt.unreadable"}));
}

TEST_F(SettingsFileTest, NameTakenBesideTheFileIsLeftAlone) {
  // Another clock's save in progress, or a link someone planted in a shared
  // folder, under the name a save would write first.
  const std::filesystem::path taken = dir_ / "Tintwatch.txt.new";
  const std::filesystem::path victim = dir_ / "victim";
  Write(victim, "someone's file");
  std::error_code error;
  std::filesystem::create_symlink(victim, taken, error);
  if (error) Write(taken, "another clock's save");
  const std::string before = Contents(taken);
  Write(" 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  ASSERT_TRUE(SaveSettings(" 2  2  0  1  100  100  100  100  0  0  1 \r\n", file_));
  EXPECT_EQ(Contents(), " 2  2  0  1  100  100  100  100  0  0  1 \r\n");
  EXPECT_EQ(Contents(victim), "someone's file");
  EXPECT_EQ(Contents(taken), before);
  EXPECT_EQ(Entries(), (std::set<std::string>{kSettingsFileName, "Tintwatch.txt.new", "victim"}));
}

TEST_F(SettingsFileTest, OnlyARegularFileIsOpened) {
  ClockSettings s;
  std::filesystem::create_directory(file_);
  const SaveResult folder = SaveSettings(" 1 \r\n", file_);
  EXPECT_EQ(folder.kind, SaveResult::Failed);
  EXPECT_EQ(folder.reason, std::errc::is_a_directory);
  EXPECT_TRUE(std::filesystem::is_directory(file_));
  EXPECT_EQ(Entries(), std::set<std::string>{kSettingsFileName});
#ifndef _WIN32
  // A pipe that someone reads, and a device, under the file's name or behind
  // a link of that name: nothing is read from them or written to them, and
  // nothing waits on them.
  const std::filesystem::path pipe = dir_ / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::write(writer, "1 1 1 1 1 1 1 1 1 1 1\n", 22), 22);
  // A device of the test's own, like /dev/null: a save that went wrong must
  // not replace the system's.
  const std::filesystem::path device = dir_ / "device";
  std::set<std::string> things = {kSettingsFileName, "pipe"};
  std::vector<std::filesystem::path> kinds = {pipe};
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    kinds.push_back(device);
    things.insert("device");
  }
  for (const std::filesystem::path& thing : kinds) {
    for (const bool linked : {false, true}) {
      std::filesystem::remove_all(file_);
      if (linked) {
        std::filesystem::create_symlink(thing, file_);
      } else {
        std::filesystem::rename(thing, file_);
      }
      EXPECT_FALSE(LoadSettings(s, file_)) << thing << linked;
      EXPECT_FALSE(SaveSettings(" 2 \r\n", file_)) << thing << linked;
      std::set<std::string> expected = things;
      if (!linked) expected.erase(thing.filename().string());
      EXPECT_EQ(Entries(), expected) << thing << linked;
      if (!linked) std::filesystem::rename(file_, thing);
    }
  }
  struct stat info;
  EXPECT_TRUE(::lstat(device.c_str(), &info) != 0 || S_ISCHR(info.st_mode));
  // The pipe holds what was put in, and nothing more.
  char got[64];
  EXPECT_EQ(::read(reader, got, sizeof got), 22);
  ::close(writer);
  ::close(reader);
#endif
}

#ifndef _WIN32
TEST_F(SettingsFileTest, NewFileKeepsTheOldOnesMode) {
  Write(" 1  1  0  1  100  100  100  100  0  0  1 \r\n");
  for (const mode_t mode : {0600, 0640, 0664}) {
    ASSERT_EQ(::chmod(file_.c_str(), mode), 0);
    ASSERT_TRUE(SaveSettings(" 2  2  0  1  100  100  100  100  0  0  1 \r\n", file_));
    struct stat info;
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
  }
}
#endif

TEST_F(SettingsFileTest, RelativeNameIsTheCurrentFolders) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  ClockSettings s;
  s.BriMin = 30;
  const bool saved = static_cast<bool>(SaveSettings(FormatSettingsLine(15, 30, s, false, true), kSettingsFileName));
  ClockSettings read;
  const bool loaded = LoadSettings(read, kSettingsFileName).has_value();
  std::filesystem::current_path(previous);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(Contents(), " 15  30  0  1  100  100  100  30  0  0  1 \r\n");
  EXPECT_EQ(read.BriMin, 30);
}

TEST_F(SettingsFileTest, HugeFileIsReadOnlyAsFarAsTheLimit) {
  // Eleven values after a megabyte of blanks lie beyond what is read.
  Write(std::string((1 << 20) + 10, ' ') + "1 1 1 1 1 1 1 1 1 1 1");
  ClockSettings s;
  EXPECT_FALSE(LoadSettings(s, file_));
  Write("1 2 1 1 1 1 1 1 1 1 1 " + std::string(3 << 20, 'x'));
  EXPECT_TRUE(LoadSettings(s, file_));
  // Well inside the limit, a value a few kilobytes in, across the reader's
  // block boundaries, is read whole.
  for (const std::size_t blanks : {4095, 8191, 70000}) {
    Write(std::string(blanks, ' ') + "15 30 0 1 100 100 100 30 0 0 1");
    ClockSettings read;
    const auto extras = LoadSettings(read, file_);
    ASSERT_TRUE(extras) << blanks;
    EXPECT_EQ(extras->Left, 15) << blanks;
    EXPECT_EQ(read.BriMin, 30) << blanks;
  }
}

}  // namespace
}  // namespace tintwatch
