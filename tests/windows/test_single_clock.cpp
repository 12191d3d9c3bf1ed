// One clock per folder on Windows: the claim and the request between two
// programs, played here by two claims in one process.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "platform/windows/SingleClock_win.h"

namespace tintwatch::win32 {
namespace {

class FolderClaimTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(home_ / "sub");
    std::filesystem::create_directories(other_);
    was_ = std::filesystem::current_path();
  }
  void TearDown() override {
    std::filesystem::current_path(was_);
    std::filesystem::remove_all(top_);
  }
  // A later start's request, if one is waiting on this thread.
  bool RequestFor(const FolderClaim& claim) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (claim.IsRequest(&msg)) return true;
    }
    return false;
  }

  std::filesystem::path top_ = std::filesystem::temp_directory_path() / "tintwatch-claim";
  std::filesystem::path home_ = top_ / "home";
  std::filesystem::path other_ = top_ / "other";
  std::filesystem::path was_;
};

TEST_F(FolderClaimTest, ALaterStartInTheSameFolderAsksTheRunningClock) {
  std::filesystem::current_path(home_);
  FolderClaim running;
  ASSERT_TRUE(running.Identify());
  ASSERT_TRUE(running.TryLock());
  ASSERT_TRUE(running.Publish());
  EXPECT_FALSE(RequestFor(running));
  {
    // The same folder by another path.
    std::filesystem::current_path(home_ / "sub" / "..");
    FolderClaim later;
    ASSERT_TRUE(later.Identify());
    EXPECT_FALSE(later.TryLock());
    EXPECT_TRUE(later.AskTheRunningClock());
    EXPECT_TRUE(RequestFor(running));
  }
  {
    std::filesystem::current_path(other_);
    FolderClaim elsewhere;
    ASSERT_TRUE(elsewhere.Identify());
    EXPECT_TRUE(elsewhere.TryLock());
    EXPECT_FALSE(elsewhere.AskTheRunningClock());
  }
}

TEST_F(FolderClaimTest, TheFolderIsFreeOnceTheRunningClockHasEnded) {
  std::filesystem::current_path(home_);
  auto running = std::make_unique<FolderClaim>();
  ASSERT_TRUE(running->Identify());
  ASSERT_TRUE(running->TryLock());
  ASSERT_TRUE(running->Publish());
  FolderClaim later;
  ASSERT_TRUE(later.Identify());
  EXPECT_FALSE(later.TryLock());
  running.reset();
  EXPECT_FALSE(later.AskTheRunningClock());
  EXPECT_TRUE(later.TryLock());
}

}  // namespace
}  // namespace tintwatch::win32
