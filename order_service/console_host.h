// The host of the kvx tool: message boxes printed on standard error and
// answered as the user said beforehand, a clock and Windows directory that
// may be replaced, and the real file system.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "order_service/host.h"

namespace order_service {

// One message box as it was shown and answered.
struct ShownBox {
  int flags = 0;
  Text caption;
  Text text;
  int button = kIdOk;
};

struct ConsoleHostOptions {
  std::optional<Text> windows_directory;  // replaces the system's
  std::optional<common::DateTime> now;    // a fixed clock instead of the real one
  bool cancel = false;                    // answer boxes with Cancel where they have one
};

class ConsoleHost : public Host {
 public:
  ConsoleHost(ConsoleHostOptions options, std::ostream& err) : options_(std::move(options)), err_(err) {}

  int ShowMessageBox(const Text& text, int flags, const Text& caption) override;
  void ProcessPendingMessages() override;
  common::DateTime Now() override;
  Text WindowsDirectory() override;
  FileContents ReadNormalFile(const Text& path) override;

  // The boxes shown since the last call, in order; clears the list.
  std::vector<ShownBox> TakeBoxes();

 private:
  ConsoleHostOptions options_;
  std::ostream& err_;
  std::vector<ShownBox> boxes_;
};

}  // namespace order_service
