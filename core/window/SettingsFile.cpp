#include "core/window/SettingsFile.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/colour/WholeNumber.h"
#include "core/window/SettingsDisk.h"

namespace tintwatch {

using namespace settings_disk;

namespace {

// Beside a file that did not load, the copy kept of it when a save replaces it.
constexpr const char* kUnreadableSuffix = ".unreadable";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Walks the values of the file: blanks, tabs and line ends before a value are
// skipped; a value ends at a blank, tab, comma or line end; one comma after a
// value (with blanks around it) belongs to that value.
class ValueReader {
 public:
  explicit ValueReader(std::string_view text) : text_(text) {}

  std::optional<std::string_view> Next() {
    while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_]))) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_]) && !IsLineEnd(text_[pos_]) && text_[pos_] != ',') {
      ++pos_;
    }
    const std::string_view value = text_.substr(start, pos_ - start);
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    return value;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

void AppendNumber(std::string& line, bool negative, std::string_view digits) {
  line += negative ? '-' : ' ';
  line += digits;
  line += ' ';
}

void AppendWhole(std::string& line, std::int32_t value) {
  const std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
  AppendNumber(line, value < 0, std::to_string(magnitude));
}

// Up to seven significant digits, a decimal point only for a fraction.
void AppendSingle(std::string& line, float value) {
  char buffer[32];
  const float magnitude = std::fabs(value);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::general, 7);
  AppendNumber(line, value < 0, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}


// A name beside the file that no one can guess ahead; made exclusively, so a
// name already taken, by a second clock's save or by a planted link, is
// passed over.
std::filesystem::path FreshName(const std::filesystem::path& file) {
  static std::uint64_t count = 0;
  std::random_device device;
  const std::uint64_t bits = (static_cast<std::uint64_t>(device()) << 32 ^ device()) ^
                             static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                             ++count;
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".new-%016llx", static_cast<unsigned long long>(bits));
  std::filesystem::path fresh = file;
  fresh += suffix;
  return fresh;
}

}  // namespace

std::optional<SettingsFileExtras> ReadSettings(std::string_view content, ClockSettings& settings) {
  ValueReader reader(content);
  SettingsFileExtras extras;
  std::int16_t flags[3] = {0, 0, 0};
  for (int index = 1; index <= 11; ++index) {
    const std::optional<std::string_view> token = reader.Next();
    if (!token) return std::nullopt;
    if (index <= 2) {
      // The position is read 32-bit wide so that a window on a second
      // monitor does not make every later start lose its settings.
      const std::optional<std::int32_t> value = ReadWholeNumber<std::int32_t>(*token);
      if (!value) return std::nullopt;
      (index == 1 ? extras.Left : extras.Top) = *value;
      continue;
    }
    const std::optional<std::int16_t> value = ReadWholeNumber<std::int16_t>(*token);
    if (!value) return std::nullopt;
    switch (index) {
      case 3: settings.ClockType = *value; break;
      case 4: settings.TickRate = *value; break;
      case 5: settings.SatMax = *value; break;
      case 6: settings.SatMin = *value; break;
      case 7: settings.BriMax = *value; break;
      case 8: settings.BriMin = *value; break;
      default: flags[index - 9] = *value; break;
    }
  }
  // Only 1 means true; -1 and every other number mean false.
  settings.SmoothRunning = flags[0] == 1;
  extras.ExpertMode = flags[1] == 1;
  extras.WhiteBackground = flags[2] == 1;
  return extras;
}

std::optional<SettingsFileExtras> LoadSettings(ClockSettings& settings, const std::filesystem::path& file) {
  const std::optional<std::string> content = ReadRegularFile(file);
  if (!content) return std::nullopt;
  return ReadSettings(*content, settings);
}

std::string FormatSettingsLine(float left, float top, const ClockSettings& settings, bool expertMode,
                               bool whiteBackground) {
  std::string line;
  AppendSingle(line, left);
  AppendSingle(line, top);
  for (const std::int16_t value : {settings.ClockType, settings.TickRate, settings.SatMax, settings.SatMin,
                                   settings.BriMax, settings.BriMin}) {
    AppendWhole(line, value);
  }
  for (const bool flag : {settings.SmoothRunning, expertMode, whiteBackground}) AppendWhole(line, flag ? 1 : 0);
  line += "\r\n";
  return line;
}

SaveResult SaveSettings(const std::string& line, const std::filesystem::path& file) {
  const auto failed = [](std::error_code reason) { return SaveResult{SaveResult::Failed, reason}; };
  // A link is written through: the file it leads to is replaced, and the link
  // keeps pointing where the user wants (a folder of dotfiles, say).
  const std::filesystem::path target = FollowLinks(file);
  if (target.empty()) return failed(std::make_error_code(std::errc::too_many_symbolic_link_levels));
  const OldFile old = Inspect(target);
  // A pipe, device or folder in the file's place is never opened for
  // writing, and a file made read-only stays as it is.
  if (old.kind == OldFile::Other) return failed(old.lookedAt);
  if (old.readOnly) return {SaveResult::ReadOnly, {}};
  if (old.notWritable) return failed(old.notWritable);
  // A file that is there but does not load would be lost to the line written
  // now: it is kept beside, under a name that says why.
  bool keep = false;
  if (old.kind == OldFile::Regular) {
    const std::optional<std::string> content = ReadRegularFile(target);
    ClockSettings scratch;
    keep = !content || (!content->empty() && !ReadSettings(*content, scratch));
  }
  std::filesystem::path fresh;
  Made made = Made::Taken;
  std::error_code reason;
  for (int attempt = 0; attempt < 100 && made == Made::Taken; ++attempt) {
    fresh = FreshName(target);
    made = WriteFresh(fresh, line, old);
    reason = LastError();
  }
  if (made == Made::Failed) {
    // Not written whole (a full disk): the old file stays as it was.
    Remove(fresh);
    return failed(reason);
  }
  if (made != Made::Written) {
    // The folder takes no new file: the file itself is written in place, but
    // never one that is to be kept.
    if (keep) return failed(reason);
    if (!WriteInPlace(target, line, old.kind == OldFile::Missing)) return failed(LastError());
    return {};
  }
  std::filesystem::path copy = target;
  copy += kUnreadableSuffix;
  if (keep && !Replace(target, copy)) {
    reason = LastError();
    Remove(fresh);
    return failed(reason);
  }
  if (!Replace(fresh, target)) {
    reason = LastError();
    Remove(fresh);
    if (keep) {
      Replace(copy, target);
      return failed(reason);
    }
    // A file that may be written but not replaced (on Windows, one held open
    // by a program that does not let it be renamed).
    if (old.kind != OldFile::Regular) return failed(reason);
    if (!WriteInPlace(target, line, false)) return failed(LastError());
    return {};
  }
  SyncFolder(target);
  return {};
}

}  // namespace tintwatch
