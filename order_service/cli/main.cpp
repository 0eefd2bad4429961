// Entry point of the kvx tool; on Windows it takes the wide command line and
// writes UTF-8 to the console.
#include <iostream>
#include <string>
#include <vector>

#include "common/text.h"
#include "order_service/cli/kvx_app.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  // The narrow arguments are in the ANSI code page and lose what it cannot
  // hold; the wide command line has every character.
  (void)argc;
  (void)argv;
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) args.push_back(common::ToUtf8(std::u16string(wide[i], wide[i] + wcslen(wide[i]))));
    LocalFree(wide);
  }
  // Output is UTF-8 bytes; a console shows it right once told so.
  SetConsoleOutputCP(CP_UTF8);
#else
  args.assign(argv + 1, argv + argc);
#endif
  std::ios::sync_with_stdio(false);
  return kvx::RunKvx(args, std::cin, std::cout, std::cerr);
}
