#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/window/SettingsFile.h"

using tintwatch::ClockSettings;
using tintwatch::SettingsFileExtras;

namespace {

// How far a load reads into a file.
constexpr std::size_t kReadLimit = 1 << 20;

bool Same(const ClockSettings& a, const ClockSettings& b) {
  return a.ClockType == b.ClockType && a.TickRate == b.TickRate && a.SmoothRunning == b.SmoothRunning &&
         a.SatMax == b.SatMax && a.SatMin == b.SatMin && a.BriMax == b.BriMax && a.BriMin == b.BriMin;
}

bool Same(const std::optional<SettingsFileExtras>& a, const std::optional<SettingsFileExtras>& b) {
  if (!a || !b) return !a && !b;
  return a->Left == b->Left && a->Top == b->Top && a->ExpertMode == b->ExpertMode &&
         a->WhiteBackground == b->WhiteBackground;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

void Write(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return std::move(content).str();
}

// A folder of the fuzzer's own in the temporary folder (TMPDIR), emptied
// before each input. libFuzzer ends without running exit handlers, so the
// caller removes it: scripts/test.sh gives a TMPDIR of its own, in memory,
// where the saves' flushes cost nothing.
const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "fuzz-settings-XXXXXX").string();
    Check(::mkdtemp(name.data()) != nullptr);
    return std::filesystem::path(name);
  }();
  return folder;
}

void FromText(std::string_view text) {
  ClockSettings settings;
  const auto extras = tintwatch::ReadSettings(text, settings);
  if (!extras) {
    // The failure path never invents flags: smooth running needs all eleven.
    Check(!settings.SmoothRunning);
    return;
  }
  // A successful load must survive being written and read again unchanged
  // (positions of more than seven digits aside).
  if (extras->Left > -10000000 && extras->Left < 10000000 && extras->Top > -10000000 &&
      extras->Top < 10000000) {
    const std::string line = tintwatch::FormatSettingsLine(static_cast<float>(extras->Left),
                                                           static_cast<float>(extras->Top), settings,
                                                           extras->ExpertMode, extras->WhiteBackground);
    ClockSettings again;
    const auto reread = tintwatch::ReadSettings(line, again);
    Check(reread && Same(again, settings) && Same(reread, extras));
  }
}

// The same bytes as a file of a kind chosen by the input's last byte (0
// plain, 1 across a block boundary, 2 past the limit, 3 behind a link, 4 a
// pipe, 5 a folder, 6 a device, 7 and up none; an input of odd length puts
// a pipe or folder behind a link): read
// in blocks and only as far as the limit, and never from anything but a
// regular file; a save over it keeps what did not load and writes only
// regular files.
void FromFile(std::string_view data) {
  const std::filesystem::path& folder = Folder();
  for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove_all(entry.path());
  const std::filesystem::path file = folder / tintwatch::kSettingsFileName;
  const std::filesystem::path real = folder / "real.txt";
  // Over half the inputs go to the reader alone, which is much the quicker;
  // the file past the limit, which costs a megabyte, is one in sixteen.
  const unsigned kind = data.empty() ? 0 : static_cast<unsigned char>(data.back()) % 16;
  if (kind > 6) return;
  std::string bytes(data);
  switch (kind) {
    case 1:  // the values across the reader's first block boundary
      bytes.insert(0, 4090 + (data.empty() ? 0 : static_cast<unsigned char>(data.front()) % 8), ' ');
      break;
    case 2:  // the limit falls in the middle of the values
      bytes.insert(0, kReadLimit - data.size() / 2, ' ');
      break;
    default:
      break;
  }
  ClockSettings settings;
  std::optional<SettingsFileExtras> loaded;
  if (kind <= 3) {
    if (kind == 3) {
      Write(real, bytes);
      std::filesystem::create_symlink(real.filename(), file);
    } else {
      Write(file, bytes);
    }
    loaded = tintwatch::LoadSettings(settings, file);
    ClockSettings expected;
    Check(Same(loaded, tintwatch::ReadSettings(std::string_view(bytes).substr(0, kReadLimit), expected)) &&
          Same(settings, expected));
    // Saving over it: what did not load is kept beside, the new line loads.
    const std::string line = tintwatch::FormatSettingsLine(15, 30, settings, false, true);
    Check(tintwatch::SaveSettings(line, file).kind == tintwatch::SaveResult::Saved);
    const std::filesystem::path target = kind == 3 ? real : file;
    Check(Contents(target) == line);
    std::filesystem::path copy = target;
    copy += ".unreadable";
    Check(std::filesystem::exists(copy) == (!loaded && !bytes.empty()));
    if (!loaded && !bytes.empty()) Check(Contents(copy) == bytes);
    Check(kind != 3 || std::filesystem::is_symlink(file));
    return;
  }
  // A pipe that someone may write to, a folder, a device: the failure path
  // at once, and nothing written.
  const std::filesystem::path thing = kind == 4 ? folder / "pipe" : kind == 5 ? folder / "folder" : "/dev/zero";
  if (kind == 4) Check(::mkfifo(thing.c_str(), 0600) == 0);
  if (kind == 5) std::filesystem::create_directory(thing);
  const bool linked = data.size() % 2 == 1 || kind == 6;
  if (linked) {
    std::filesystem::create_symlink(thing, file);
  } else {
    std::filesystem::rename(thing, file);
  }
  Check(!tintwatch::LoadSettings(settings, file) && Same(settings, ClockSettings{}));
  // The system's device is never offered to a save: a faulty one would
  // replace it.
  if (kind != 6) Check(!tintwatch::SaveSettings(std::string(bytes), file));
  const std::filesystem::path left = linked ? thing : file;
  struct stat info;
  Check(::lstat(left.c_str(), &info) == 0);
  Check(kind == 4 ? S_ISFIFO(info.st_mode) : kind == 5 ? S_ISDIR(info.st_mode) : S_ISCHR(info.st_mode));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FromText(text);
  FromFile(text);
  return 0;
}
