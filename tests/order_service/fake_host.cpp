// The test host: recorded boxes, set clock, temporary Windows directory.
#include "tests/order_service/fake_host.h"

#include <filesystem>
#include <random>
#include <stdexcept>

#include "order_service/config_file.h"
#include "order_service/native_files.h"

namespace order_service {
namespace fs = std::filesystem;

namespace {

Text PathText(const fs::path& p) {
#ifdef _WIN32
  const std::wstring w = p.wstring();
  return Text(w.begin(), w.end());
#else
  return common::FromUtf8(p.string());
#endif
}

fs::path FsPath(const Text& t) {
#ifdef _WIN32
  return fs::path(std::wstring(t.begin(), t.end()));
#else
  return fs::path(common::ToUtf8(t));
#endif
}

}  // namespace

FakeHost::FakeHost() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path dir = fs::temp_directory_path() / ("kvx-test-" + std::to_string(rd()));
    if (fs::create_directory(dir)) {
      windows_directory = PathText(dir);
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary Windows directory");
}

FakeHost::~FakeHost() {
  std::error_code ignored;
  fs::remove_all(FsPath(windows_directory), ignored);
}

int FakeHost::ShowMessageBox(const Text& text, int flags, const Text& caption) {
  int button = kIdOk;
  if (!answers.empty()) {
    button = answers.front();
    answers.pop_front();
  }
  boxes.push_back(ShownBox{flags, caption, text, button});
  return button;
}

FileContents FakeHost::ReadNormalFile(const Text& path) { return ReadNormalFileFrom(path); }

Text FakeHost::ConfigPath() const { return ConfigFilePath(windows_directory); }

void FakeHost::WriteConfigBytes(const std::string& bytes) const {
  std::string error;
  if (!WriteWholeFile(ConfigPath(), bytes, error)) throw std::runtime_error(error);
}

void FakeHost::RemoveConfigFile() const { fs::remove(FsPath(windows_directory) / "Qconfig.ini"); }

}  // namespace order_service
