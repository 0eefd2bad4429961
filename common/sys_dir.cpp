// The Windows directory, or its stand-in on other systems.
#include "common/sys_dir.h"

#include "common/codepage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace common {

Text GetSysDir() {
#ifdef _WIN32
  char buf[256] = {};
  GetWindowsDirectoryA(buf, 255);
  return FromCp936(std::string_view(buf));  // the text up to the first NUL
#else
  const char* dir = std::getenv("WINDIR");
  if (dir == nullptr || *dir == '\0') return u"/etc";
  return FromUtf8(dir);
#endif
}

}  // namespace common
