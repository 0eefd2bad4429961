// A small Windows program that proves the Wine harness: it shows a message box
// with a Chinese title, then writes a Chinese text in code page 936 to the file
// named on its command line.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/codepage.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: smoke_box OUTPUT_FILE\n", stderr);
    return 2;
  }
  int button = MessageBoxW(nullptr, L"请按确定继续", L"冒烟测试", MB_OK | MB_ICONINFORMATION);
  if (button != IDOK) return 3;
  std::string bytes = common::ToCp936(u"匿名客户，名片 100 盒");
  HANDLE f = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 4;
  DWORD written = 0;
  BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size() ? 0 : 5;
}
