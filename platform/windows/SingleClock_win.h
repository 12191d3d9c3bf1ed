#pragma once

#include <string>

// The Windows side of one clock per settings file. Kept free of Qt so that
// it builds with any Windows compiler on its own.
namespace tintwatch::win32 {

// The current folder, claimed with a mutex named after it (its volume and
// file index, not the text of its path), and the running clock's answering
// point: a message-only window of the same name.
class FolderClaim {
 public:
  FolderClaim() = default;
  FolderClaim(const FolderClaim&) = delete;
  FolderClaim& operator=(const FolderClaim&) = delete;
  ~FolderClaim();

  // False when the current folder cannot be told apart from others.
  bool Identify();
  // True when this program holds the folder now (or there is no lock to be had).
  bool TryLock();
  // True when the running clock was found and asked to come forward.
  bool AskTheRunningClock() const;
  // Makes this program's answering point; false when it could not be made.
  bool Publish();
  // Whether a message taken from the queue (a MSG) is a later start's request.
  bool IsRequest(const void* message) const;

 private:
  std::wstring name_;
  void* mutex_ = nullptr;
  void* answer_ = nullptr;
};

}  // namespace tintwatch::win32
