// Runs the KVX.dll tests: GoogleTest's flags first, then the DLL's path.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "test_paths.h"

namespace kvx_test {
namespace {
std::wstring g_dll_path;
}
const std::wstring& KvxDllPath() { return g_dll_path; }
}  // namespace kvx_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kvx_com_tests [gtest flags] PATH\\KVX.dll\n");
    return 2;
  }
  int n = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
  kvx_test::g_dll_path.assign(n > 0 ? n - 1 : 0, L'\0');
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, kvx_test::g_dll_path.data(), n);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = RUN_ALL_TESTS();
  CoUninitialize();
  return status;
}
