// The kvx tool's host: boxes on standard error, optional fixed clock and
// Windows directory, the real file system.
#include "order_service/console_host.h"

#include <ctime>

#include "common/sys_dir.h"
#include "order_service/native_files.h"

namespace order_service {

int ConsoleHost::ShowMessageBox(const Text& text, int flags, const Text& caption) {
  err_ << "[msgbox " << flags << " \"" << common::ToUtf8(caption) << "\"] " << common::ToUtf8(text)
       << '\n';
  err_.flush();
  const int button = ButtonFor(flags, options_.cancel);
  boxes_.push_back(ShownBox{flags, caption, text, button});
  return button;
}

// A console tool owns no windows, so there are no window messages to pass on.
void ConsoleHost::ProcessPendingMessages() {}

common::DateTime ConsoleHost::Now() {
  if (options_.now) return *options_.now;
  const std::time_t t = std::time(nullptr);
  const std::tm* lt = std::localtime(&t);
  common::DateTime d;
  d.year = lt->tm_year + 1900;
  d.month = lt->tm_mon + 1;
  d.day = lt->tm_mday;
  d.hour = lt->tm_hour;
  d.minute = lt->tm_min;
  d.second = lt->tm_sec;
  return d;
}

Text ConsoleHost::WindowsDirectory() {
  return options_.windows_directory ? *options_.windows_directory : common::GetSysDir();
}

FileContents ConsoleHost::ReadNormalFile(const Text& path) { return ReadNormalFileFrom(path); }

std::vector<ShownBox> ConsoleHost::TakeBoxes() {
  std::vector<ShownBox> out;
  out.swap(boxes_);
  return out;
}

}  // namespace order_service
