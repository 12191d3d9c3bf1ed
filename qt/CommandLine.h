#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace tintwatch {

// The command line, read before the toolkit opens a display, so that --help
// and --version work without one. Beyond those it takes only the toolkit's
// own choice of display and platform (and the session manager's -session):
// nothing that overrides what the settings file holds.
class CommandLine {
 public:
  CommandLine(int argc, char** argv);
  // QtArgv() points into the object itself.
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // The status to end with at once: 0 after --help or --version, 2 after a
  // wrong option or argument (with the usage on standard error); nothing
  // when the clock is to start.
  std::optional<int> ExitStatus() const { return exitStatus_; }
  // The platform asked for with --platform, or empty.
  QString Platform() const { return platform_; }
  // What QApplication is given: the program's name and the options above,
  // in the form the toolkit reads them.
  int& QtArgc() { return qtArgc_; }
  char** QtArgv() { return qtArgv_.data(); }
  // The display the toolkit is about to try, in words, for a message.
  QString DisplayTried() const;

 private:
  std::optional<int> exitStatus_;
  QString platform_;
  QString display_;
  std::vector<std::string> qtArguments_;
  std::vector<char*> qtArgv_;
  int qtArgc_ = 0;
};

// From construction to Started(), a failure of the toolkit to reach its
// display (which it reports with an abort) becomes one plain line on
// standard error and exit status 1. Messages the toolkit gives on the way to
// a successful start are passed on once it has started.
class DisplayFailureReport {
 public:
  explicit DisplayFailureReport(const CommandLine& commandLine);
  ~DisplayFailureReport();
  void Started();

  DisplayFailureReport(const DisplayFailureReport&) = delete;
  DisplayFailureReport& operator=(const DisplayFailureReport&) = delete;
};

}  // namespace tintwatch
