// The host of KVX.dll inside the caller's process on Windows.
#pragma once

#include "order_service/host.h"

namespace order_service {

class Win32Host : public Host {
 public:
  int ShowMessageBox(const Text& text, int flags, const Text& caption) override;
  void ProcessPendingMessages() override;
  common::DateTime Now() override;
  Text WindowsDirectory() override;
  FileContents ReadNormalFile(const Text& path) override;
};

}  // namespace order_service
