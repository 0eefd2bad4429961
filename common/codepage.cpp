// Code page 936 conversion: iconv on Linux, the Windows conversion calls on Windows.
#include "common/codepage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <cerrno>
#endif

namespace common {

#ifdef _WIN32

Text FromCp936(std::string_view bytes) {
  if (bytes.empty()) return Text();
  int n = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
  return Text(w.begin(), w.end());
}

std::string ToCp936(std::u16string_view s) {
  if (s.empty()) return std::string();
  std::wstring w(s.begin(), s.end());
  int n = WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(936, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
  return out;
}

#else

namespace {

// Windows' code page 936 maps the lone byte 0xFF to this private-use
// character and back; iconv has no mapping for it.
constexpr char16_t kByteFF = u'\uF8F5';

// Converts one unit at a time so that a unit without a mapping becomes '?'
// (per undecodable byte or unmappable character), as the Windows calls do.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Converts in[0..len) completely; false when iconv refuses it.
  bool Convert(const char* in, size_t len, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buf[16];
    char* src = const_cast<char*>(in);
    char* dst = buf;
    size_t left = len, room = sizeof buf;
    if (iconv(cd_, &src, &left, &dst, &room) == static_cast<size_t>(-1) || left != 0) return false;
    out.append(buf, static_cast<size_t>(dst - buf));
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

Text FromCp936(std::string_view bytes) {
  static thread_local Iconv conv("UTF-16LE", "CP936");
  Text out;
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    std::string u16;
    // 0x80 is the euro sign in Windows' code page 936; iconv's CP936 agrees.
    size_t len = (b >= 0x81 && b <= 0xFE && i + 1 < bytes.size()) ? 2 : 1;
    if (b < 0x80 || b == 0xFF) {
      out += b == 0xFF ? kByteFF : static_cast<char16_t>(b);
      i += 1;
      continue;
    }
    if (conv.ok() && conv.Convert(bytes.data() + i, len, u16) && u16.size() == 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(u16[0]) |
                                   (static_cast<unsigned char>(u16[1]) << 8));
      i += len;
    } else {
      out += u'?';
      i += 1;
    }
  }
  return out;
}

std::string ToCp936(std::u16string_view s) {
  static thread_local Iconv conv("CP936", "UTF-16LE");
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80 || c == kByteFF) {
      out += static_cast<char>(c == kByteFF ? 0xFF : c);
      continue;
    }
    char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    if (!conv.ok() || !conv.Convert(in, 2, out)) out += '?';
  }
  return out;
}

#endif

}  // namespace common
