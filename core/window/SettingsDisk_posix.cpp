#include "core/window/SettingsDisk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tintwatch::settings_disk {

namespace {

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

}  // namespace

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
std::filesystem::path FollowLinks(const std::filesystem::path& link) {
  std::filesystem::path file = link;
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

}  // namespace tintwatch::settings_disk
