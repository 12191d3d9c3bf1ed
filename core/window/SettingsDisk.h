#pragma once

// The settings file's traffic with the disk: the only calls of the window
// layer that differ between systems, each system's in a file of its own
// (SettingsDisk_posix.cpp, SettingsDisk_win.cpp) that the build picks.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace tintwatch::settings_disk {

// A real settings file is about fifty bytes; reading stops well past that so
// that any file (or a device named like it) costs bounded time and memory.
constexpr std::size_t kMaxBytesRead = 1 << 20;

// What stands in the file's place before a save.
struct OldFile {
  enum Kind { Missing, Regular, Other };
  Kind kind = Missing;
  bool readOnly = false;       // made so on purpose: no one may write it
  std::error_code notWritable;  // why this user may not write it, where not
  std::error_code lookedAt;     // why it could not be looked at (kind Other)
  // What a replacement takes over from a regular file: its mode, owner and
  // group on POSIX, its attributes (in `mode`) on Windows.
  std::uint32_t mode = 0;
  std::uint32_t owner = 0;
  std::uint32_t group = 0;
};

enum class Made { Written, Taken, NotMade, Failed };

// The whole of a regular file, up to kMaxBytesRead; nothing for anything
// else (missing, a folder, a device, a pipe) or a failed read.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& file);
// The file a link leads to (the file itself when it is none); empty when the
// links cannot be followed.
std::filesystem::path FollowLinks(const std::filesystem::path& file);
OldFile Inspect(const std::filesystem::path& file);
// Makes FRESH, a new name, holding LINE, with what OLD had to keep.
Made WriteFresh(const std::filesystem::path& fresh, const std::string& line, const OldFile& old);
// Renames FROM over TO.
bool Replace(const std::filesystem::path& from, const std::filesystem::path& to);
void Remove(const std::filesystem::path& file);
// Why the last call above failed.
std::error_code LastError();
// Makes a rename of FILE reach the disk.
void SyncFolder(const std::filesystem::path& file);
// Writes LINE over FILE's own bytes (CREATE: only where there is none).
bool WriteInPlace(const std::filesystem::path& file, const std::string& line, bool create);

}  // namespace tintwatch::settings_disk
