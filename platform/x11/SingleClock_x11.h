#pragma once

#include <cstdint>
#include <string>

struct xcb_connection_t;

// The X11 side of one clock per settings file: the current folder locked
// with flock (any Unix), and on X11 the running clock's answering point, a
// selection named after the folder (its device and inode, not the text of
// its path) owned by a window of its own.
namespace tintwatch::x11 {

class FolderClaim {
 public:
  FolderClaim() = default;
  FolderClaim(const FolderClaim&) = delete;
  FolderClaim& operator=(const FolderClaim&) = delete;
  ~FolderClaim();  // the lock goes with the folder's descriptor

  // False when the current folder cannot be told apart from others.
  bool Identify();
  // True when this program holds the folder now (or there is no lock to be had).
  bool TryLock();
  // True when the running clock was found and asked to come forward, or
  // when there is no way to ask it (no X11): it is left as it is then.
  bool AskTheRunningClock();
  // Makes this program's answering point; false when it could not be made.
  bool Publish();
  // Whether an event the toolkit has (an xcb_generic_event_t) is a later
  // start's request.
  bool IsRequest(const void* event) const;

 private:
  // The selection's and the request's atoms, asked of the server once.
  bool Intern(xcb_connection_t* connection);

  int folder_ = -1;
  std::string name_;
  // X atoms and window ids (unused where there is no X11 to ask through).
  [[maybe_unused]] std::uint32_t selection_ = 0;
  [[maybe_unused]] std::uint32_t comeForwardAtom_ = 0;
  [[maybe_unused]] std::uint32_t answer_ = 0;
};

}  // namespace tintwatch::x11
