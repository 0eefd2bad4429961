// Whole-file access on POSIX systems, where Windows-style paths use "/".
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "order_service/native_files.h"

namespace order_service {
namespace {

std::string PosixPath(const Text& path) {
  Text p = path;
  for (auto& c : p)
    if (c == u'\\') c = u'/';
  return common::ToUtf8(p);
}

FileContents ReadFrom(const std::string& path) {
  FileContents out;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    out.status = FileStatus::Unreadable;
    return out;
  }
  std::ostringstream buf;
  buf << in.rdbuf();
  // Only a read error counts; an empty file is a normal, empty result.
  if (in.bad()) {
    out.status = FileStatus::Unreadable;
    return out;
  }
  out.status = FileStatus::Ok;
  out.bytes = buf.str();
  return out;
}

FileContents ReadIfRegular(const Text& path) {
  const std::string p = PosixPath(path);
  struct stat st {};
  if (stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return ReadFrom(p);
}

}  // namespace

// POSIX has no hidden or system attribute: every regular file is normal.
FileContents ReadNormalFileFrom(const Text& path) { return ReadIfRegular(path); }

FileContents ReadAnyFile(const Text& path) { return ReadIfRegular(path); }

bool WriteWholeFile(const Text& path, const std::string& bytes, std::string& error) {
  const std::string p = PosixPath(path);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) {
    error = "cannot write " + p + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace order_service
