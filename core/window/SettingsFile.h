#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/face/ClockSettings.h"

namespace tintwatch {

// What the file carries beside the settings record: the window's place and
// two of its flags. Handed back only when all eleven values were read.
struct SettingsFileExtras {
  std::int32_t Left = 0;  // twips
  std::int32_t Top = 0;   // twips
  bool ExpertMode = false;
  bool WhiteBackground = true;
};

inline constexpr const char* kSettingsFileName = "Tintwatch.txt";

// Reads the eleven values from the file's bytes. Values 3 to 8 go into the
// record one at a time as they are read, so a failure keeps what came before
// it; nothing else is applied unless all eleven were read. An empty optional
// is the failure (welcome) path.
std::optional<SettingsFileExtras> ReadSettings(std::string_view content, ClockSettings& settings);

// Opens the file (relative names resolve against the working directory) and
// reads it; a missing or unreadable file, or anything but a regular file,
// takes the failure path, and only the first megabyte is read.
std::optional<SettingsFileExtras> LoadSettings(ClockSettings& settings,
                                               const std::filesystem::path& file = kSettingsFileName);

// The one line of the file, CR LF included.
std::string FormatSettingsLine(float left, float top, const ClockSettings& settings, bool expertMode,
                               bool whiteBackground);

// How a save ended. A file made read-only on purpose is left alone without
// a word; any other failure carries the system's reason.
struct SaveResult {
  enum Kind { Saved, ReadOnly, Failed };
  Kind kind = Saved;
  std::error_code reason;
  explicit operator bool() const { return kind == Saved; }
};

// Writes the line so that the old file is never left truncated: a new file
// under a name of its own is written beside it, flushed to the disk and
// renamed over it, with the old file's mode; only where the folder allows no
// new file is it written in place. A link is written through to its file. A
// file that does not load is first kept beside, as "<name>.unreadable" (one
// copy, the newest). Not saved, with nothing changed, for a read-only file,
// for anything but a regular file, and when nothing could be written.
SaveResult SaveSettings(const std::string& line, const std::filesystem::path& file = kSettingsFileName);

}  // namespace tintwatch
