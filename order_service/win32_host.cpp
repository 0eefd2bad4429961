// Win32 host: real message boxes, one pass of the thread's message queue,
// the local clock, the Windows directory and file attributes.
#include "order_service/win32_host.h"

#include <windows.h>

#include "common/sys_dir.h"
#include "order_service/native_files.h"

namespace order_service {

int Win32Host::ShowMessageBox(const Text& text, int flags, const Text& caption) {
  // Owned by the caller's active window so the box is modal to it; without
  // one, task-modal so the thread's other windows still wait for the answer.
  HWND owner = GetActiveWindow();
  UINT type = static_cast<UINT>(flags);
  if (!owner) type |= MB_TASKMODAL;
  const std::wstring t(text.begin(), text.end());
  const std::wstring c(caption.begin(), caption.end());
  return MessageBoxW(owner, t.c_str(), c.c_str(), type);
}

void Win32Host::ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The quit request belongs to the caller's own loop: leave it queued.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

common::DateTime Win32Host::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  common::DateTime d;
  d.year = st.wYear;
  d.month = st.wMonth;
  d.day = st.wDay;
  d.hour = st.wHour;
  d.minute = st.wMinute;
  d.second = st.wSecond;
  return d;
}

Text Win32Host::WindowsDirectory() { return common::GetSysDir(); }

FileContents Win32Host::ReadNormalFile(const Text& path) { return ReadNormalFileFrom(path); }

}  // namespace order_service
