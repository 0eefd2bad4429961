// The Windows directory: the system's answer on Windows, WINDIR or /etc elsewhere.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/sys_dir.h"

using namespace common;

#ifdef _WIN32
TEST(SysDir, IsTheWindowsDirectoryWithoutTrailingSeparator) {
  Text dir = GetSysDir();
  ASSERT_GE(dir.size(), 3u);
  EXPECT_EQ(dir.substr(1, 2), u":\\");
  EXPECT_NE(dir.back(), u'\\');
}
#else
TEST(SysDir, ComesFromWindirOrFallsBackToEtc) {
  const char* saved = std::getenv("WINDIR");
  std::string keep = saved ? saved : "";
  setenv("WINDIR", "/srv/windows", 1);
  EXPECT_EQ(GetSysDir(), u"/srv/windows");
  setenv("WINDIR", "", 1);
  EXPECT_EQ(GetSysDir(), u"/etc");
  unsetenv("WINDIR");
  EXPECT_EQ(GetSysDir(), u"/etc");
  if (saved) setenv("WINDIR", keep.c_str(), 1);
}
#endif
