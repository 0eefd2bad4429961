// Whole-file access on Windows through the wide-character file API.
#include <windows.h>

#include "order_service/native_files.h"

namespace order_service {
namespace {

std::wstring WidePath(const Text& path) { return std::wstring(path.begin(), path.end()); }

FileContents ReadFrom(const std::wstring& path) {
  FileContents out;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    out.status = FileStatus::Unreadable;
    return out;
  }
  out.status = FileStatus::Ok;
  char buf[65536];
  DWORD got = 0;
  for (;;) {
    if (!::ReadFile(h, buf, sizeof buf, &got, nullptr)) {
      out.status = FileStatus::Unreadable;
      out.bytes.clear();
      break;
    }
    if (got == 0) break;
    out.bytes.append(buf, got);
  }
  CloseHandle(h);
  return out;
}

DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

}  // namespace

// A folder, or a file marked hidden or system, does not count as a normal file.
FileContents ReadNormalFileFrom(const Text& path) {
  const std::wstring p = WidePath(path);
  const DWORD a = Attributes(p);
  if (a == INVALID_FILE_ATTRIBUTES ||
      (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
    return {};
  return ReadFrom(p);
}

FileContents ReadAnyFile(const Text& path) {
  const std::wstring p = WidePath(path);
  const DWORD a = Attributes(p);
  if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return ReadFrom(p);
}

bool WriteWholeFile(const Text& path, const std::string& bytes, std::string& error) {
  const std::wstring p = WidePath(path);
  HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = h != INVALID_HANDLE_VALUE;
  DWORD code = ok ? 0 : GetLastError();
  if (ok) {
    DWORD written = 0;
    ok = ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
    if (!ok) code = GetLastError();
    CloseHandle(h);
  }
  if (!ok) error = "cannot write " + common::ToUtf8(path) + " (Windows error " + std::to_string(code) + ")";
  return ok;
}

}  // namespace order_service
