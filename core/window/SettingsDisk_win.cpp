#include "core/window/SettingsDisk.h"

#include <windows.h>

#include <algorithm>

namespace tintwatch::settings_disk {

namespace {

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

}  // namespace

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
  old.mode = attributes;
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
    SetFileAttributesW(fresh.c_str(), old.mode & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
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

}  // namespace tintwatch::settings_disk
