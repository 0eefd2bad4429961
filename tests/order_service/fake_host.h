// A host for tests: records every message box and answers as told, a clock
// the test sets, and a fresh temporary folder as the Windows directory.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "order_service/console_host.h"
#include "order_service/host.h"

namespace order_service {

class FakeHost : public Host {
 public:
  FakeHost();
  ~FakeHost() override;
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  int ShowMessageBox(const Text& text, int flags, const Text& caption) override;
  void ProcessPendingMessages() override { ++pumped; }
  common::DateTime Now() override { return now; }
  Text WindowsDirectory() override { return windows_directory; }
  FileContents ReadNormalFile(const Text& path) override;

  // Where LoadCfgINI looks, and writing raw bytes there.
  Text ConfigPath() const;
  void WriteConfigBytes(const std::string& bytes) const;
  void RemoveConfigFile() const;

  std::vector<ShownBox> boxes;  // every box shown, in order
  std::deque<int> answers;      // buttons to answer with; OK once used up
  common::DateTime now{2024, 5, 17, 12, 0, 0};
  int pumped = 0;
  Text windows_directory;  // a temporary folder, removed with the host
};

}  // namespace order_service
