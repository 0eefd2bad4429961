// The Host seam: everything the order service needs from the machine it runs
// on (message boxes, the message pump, the clock, the Windows directory and
// reading the configuration file), so the core itself never calls the OS.
#pragma once

#include <string>

#include "common/date_time.h"
#include "common/text.h"

namespace order_service {

using common::Text;

// Message box flags and buttons, with the platform's values.
inline constexpr int kMbOk = 0;
inline constexpr int kMbOkCancel = 1;
inline constexpr int kMbIconCritical = 16;
inline constexpr int kMbIconWarning = 48;
inline constexpr int kMbIconInformation = 64;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// The button a box returns when the user wants to cancel it: a box with only
// an OK button can only be closed with OK.
inline int ButtonFor(int flags, bool cancel) {
  return (cancel && (flags & 0xF) == kMbOkCancel) ? kIdCancel : kIdOk;
}

enum class FileStatus {
  Ok,          // bytes hold the whole file
  NoFile,      // nothing there, a folder, or a file marked hidden or system
  Unreadable,  // a normal file that could not be read
};

struct FileContents {
  FileStatus status = FileStatus::NoFile;
  std::string bytes;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal box; returns the button that closed it (kIdOk, kIdCancel, ...).
  virtual int ShowMessageBox(const Text& text, int flags, const Text& caption) = 0;
  // One pass over the calling thread's pending window messages.
  virtual void ProcessPendingMessages() = 0;
  // Local date and time.
  virtual common::DateTime Now() = 0;
  // The Windows directory without a trailing separator.
  virtual Text WindowsDirectory() = 0;
  // The whole file at a Windows-style path, when it is a normal file.
  virtual FileContents ReadNormalFile(const Text& path) = 0;
};

}  // namespace order_service
