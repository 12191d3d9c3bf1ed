#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

#include "app/ClockSettings.h"
#include "colour/WholeNumber.h"

namespace tintwatch {

namespace {

// A real settings file is about fifty bytes; reading stops well past that so
// that any file (or a device named like it) costs bounded time and memory.
constexpr std::size_t kMaxBytesRead = 1 << 20;

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

enum class WriteResult { NotOpened, Failed, Written };

WriteResult WriteFile(const std::filesystem::path& file, const std::string& line) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return WriteResult::NotOpened;
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
  out.close();
  return out.fail() ? WriteResult::Failed : WriteResult::Written;
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
  std::error_code error;
  // Only a regular file: opening a pipe or device by that name could block.
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // Read as it comes, not into a buffer made up front at the largest size:
  // that would cost a megabyte of zeroes to read fifty bytes.
  std::string content;
  char chunk[4096];
  while (content.size() < kMaxBytesRead) {
    in.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, kMaxBytesRead - content.size())));
    if (in.gcount() <= 0) break;
    content.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  in.close();
  return ReadSettings(content, settings);
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

bool SaveSettings(const std::string& line, const std::filesystem::path& file) {
  std::error_code error;
  // A link is written through, so that it keeps pointing where the user wants.
  if (!std::filesystem::is_symlink(file, error)) {
    std::filesystem::path fresh = file;
    fresh += ".new";
    const WriteResult result = WriteFile(fresh, line);
    if (result == WriteResult::Written) {
      std::filesystem::rename(fresh, file, error);
      if (!error) return true;
    }
    std::filesystem::remove(fresh, error);
    // The new file could be opened but not written (a full disk): keep the
    // old file untouched rather than risk truncating it too.
    if (result == WriteResult::Failed) return false;
  }
  return WriteFile(file, line) == WriteResult::Written;
}

}  // namespace tintwatch
