#include "core/window/SettingsFile.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

#include "core/colour/WholeNumber.h"

namespace tintwatch {

namespace {

// A real settings file is about fifty bytes; reading stops well past that so
// that any file (or a device named like it) costs bounded time and memory.
constexpr std::size_t kMaxBytesRead = 1 << 20;

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

// What stands in the file's place before a save.
struct OldFile {
  enum Kind { Missing, Regular, Other };
  Kind kind = Missing;
  bool readOnly = false;       // made so on purpose: no one may write it
  std::error_code notWritable;  // why this user may not write it, where not
  std::error_code lookedAt;     // why it could not be looked at (kind Other)
#ifdef _WIN32
  DWORD attributes = 0;
#else
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;
#endif
};

enum class Made { Written, Taken, NotMade, Failed };

#ifdef _WIN32

bool IsDiskFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteLine(HANDLE handle, const std::string& line) {
  DWORD written = 0;
  return WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
         written == line.size();
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& file) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> content;
  if (IsDiskFile(handle)) {
    content.emplace();
    char block[4096];
    while (content->size() < kMaxBytesRead) {
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(std::min(sizeof block, kMaxBytesRead - content->size()));
      if (!ReadFile(handle, block, want, &got, nullptr)) {
        content.reset();
        break;
      }
      if (got == 0) break;
      content->append(block, got);
    }
  }
  CloseHandle(handle);
  return content;
}

// The file a link leads to, found by opening it; a link to nothing has no
// such file and is not followed.
std::filesystem::path FollowLinks(const std::filesystem::path& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return file;
  const HANDLE handle = CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  wchar_t name[MAX_PATH * 4];
  const DWORD length = GetFinalPathNameByHandleW(handle, name, MAX_PATH * 4, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(handle);
  if (length == 0 || length >= MAX_PATH * 4) return {};
  return std::filesystem::path(std::wstring(name, length));
}

OldFile Inspect(const std::filesystem::path& file) {
  OldFile old;
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    old.kind = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OldFile::Missing : OldFile::Other;
    old.lookedAt = std::error_code(static_cast<int>(error), std::system_category());
    return old;
  }
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) {
    old.kind = OldFile::Other;
    old.lookedAt = std::make_error_code(attributes & FILE_ATTRIBUTE_DIRECTORY ? std::errc::is_a_directory
                                                                               : std::errc::operation_not_supported);
    return old;
  }
  old.kind = OldFile::Regular;
  old.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  old.attributes = attributes;
  return old;
}

Made WriteFresh(const std::filesystem::path& fresh, const std::string& line, const OldFile& old) {
  // CREATE_NEW makes the file only where nothing, not even a link, has the name.
  const HANDLE handle = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Made::Taken : Made::NotMade;
  }
  bool written = WriteLine(handle, line) && FlushFileBuffers(handle);
  written = CloseHandle(handle) && written;
  if (written && old.kind == OldFile::Regular) {
    SetFileAttributesW(fresh.c_str(), old.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                        FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
  }
  return written ? Made::Written : Made::Failed;
}

bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void Remove(const std::filesystem::path& file) { DeleteFileW(file.c_str()); }

std::error_code LastError() { return std::error_code(static_cast<int>(GetLastError()), std::system_category()); }

// The rename was asked to reach the disk before it returned.
void SyncFolder(const std::filesystem::path&) {}

bool WriteInPlace(const std::filesystem::path& file, const std::string& line, bool create) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                    create ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  // Written over the old bytes first and cut after, so that a failure leaves
  // no empty file.
  bool written = IsDiskFile(handle) && WriteLine(handle, line) && SetEndOfFile(handle) && FlushFileBuffers(handle);
  written = CloseHandle(handle) && written;
  return written;
}

#else

int OpenFile(const std::filesystem::path& file, int flags, mode_t mode = 0) {
  int descriptor;
  do {
    descriptor = ::open(file.c_str(), flags | O_CLOEXEC | O_NOCTTY, mode);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

bool WriteLine(int descriptor, std::string_view line) {
  while (!line.empty()) {
    const ssize_t written = ::write(descriptor, line.data(), line.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    line.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A file system that cannot flush has nothing to flush.
bool Flush(int descriptor) { return ::fsync(descriptor) == 0 || errno == EINVAL; }

std::optional<std::string> ReadRegularFile(const std::filesystem::path& file) {
  // Checked before opening, so that a device is not even opened, and again
  // once open, in case something else was put there meanwhile; opened without
  // blocking, so that a pipe by that name is never waited on.
  struct stat info;
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const int descriptor = OpenFile(file, O_RDONLY | O_NONBLOCK);
  if (descriptor < 0) return std::nullopt;
  std::optional<std::string> content;
  if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode)) {
    content.emplace();
    char block[4096];
    while (content->size() < kMaxBytesRead) {
      const ssize_t got = ::read(descriptor, block, std::min(sizeof block, kMaxBytesRead - content->size()));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        content.reset();
        break;
      }
      if (got == 0) break;
      content->append(block, static_cast<std::size_t>(got));
    }
  }
  ::close(descriptor);
  return content;
}

// The file a link leads to, link after link, whether or not it exists yet;
// empty for links that go round in a circle.
std::filesystem::path FollowLinks(std::filesystem::path file) {
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error)) return file;
    const std::filesystem::path target = std::filesystem::read_symlink(file, error);
    if (error) return {};
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return {};
}

OldFile Inspect(const std::filesystem::path& file) {
  OldFile old;
  struct stat info;
  if (::lstat(file.c_str(), &info) != 0) {
    old.kind = errno == ENOENT ? OldFile::Missing : OldFile::Other;
    old.lookedAt = std::error_code(errno, std::generic_category());
    return old;
  }
  if (!S_ISREG(info.st_mode)) {
    old.kind = OldFile::Other;
    old.lookedAt = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                              : std::errc::operation_not_supported);
    return old;
  }
  old.kind = OldFile::Regular;
  old.mode = info.st_mode & 0777;
  old.owner = info.st_uid;
  old.group = info.st_gid;
  // A file no one may write was made read-only on purpose: root, who may
  // write anything, leaves it alone too.
  old.readOnly = (info.st_mode & 0222) == 0;
  if (!old.readOnly && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
    // Another user's file, or one on a disk mounted read-only: not the
    // user's choice, so the save says why it failed.
    old.notWritable = std::error_code(errno, std::generic_category());
  }
  return old;
}

Made WriteFresh(const std::filesystem::path& fresh, const std::string& line, const OldFile& old) {
  // Made only where nothing, not even a link, has the name.
  const int descriptor = OpenFile(fresh, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
  if (descriptor < 0) return errno == EEXIST ? Made::Taken : Made::NotMade;
  if (old.kind == OldFile::Regular) {
    // Owner before mode, as a change of owner clears some mode bits. Only
    // root may give a file away; anyone else keeps at least the group, or
    // else the file becomes the saver's, as with any editor. A file system
    // without modes has none to keep.
    [[maybe_unused]] const bool owned = ::fchown(descriptor, old.owner, old.group) == 0 ||
                                        ::fchown(descriptor, static_cast<uid_t>(-1), old.group) == 0;
    [[maybe_unused]] const bool moded = ::fchmod(descriptor, old.mode) == 0;
  }
  bool written = WriteLine(descriptor, line) && Flush(descriptor);
  written = ::close(descriptor) == 0 && written;
  return written ? Made::Written : Made::Failed;
}

bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

void Remove(const std::filesystem::path& file) { ::unlink(file.c_str()); }

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int descriptor = OpenFile(folder, O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  Flush(descriptor);
  ::close(descriptor);
}

bool WriteInPlace(const std::filesystem::path& file, const std::string& line, bool create) {
  const int descriptor = OpenFile(file, O_WRONLY | O_NONBLOCK | O_NOFOLLOW | (create ? O_CREAT | O_EXCL : 0), 0666);
  if (descriptor < 0) return false;
  struct stat info;
  // Written over the old bytes first and cut after, so that a failure leaves
  // no empty file.
  bool written = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && WriteLine(descriptor, line) &&
                 ::ftruncate(descriptor, static_cast<off_t>(line.size())) == 0 && Flush(descriptor);
  written = ::close(descriptor) == 0 && written;
  return written;
}

#endif

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
