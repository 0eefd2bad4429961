// UTF-16 string operations with the system's 1-based positions, and UTF-8 conversion.
#include "common/text.h"

#include <algorithm>

namespace common {

Text TrimLeftSpaces(std::u16string_view s) {
  size_t b = 0;
  while (b < s.size() && s[b] == u' ') ++b;
  return Text(s.substr(b));
}

Text TrimRightSpaces(std::u16string_view s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == u' ') --e;
  return Text(s.substr(0, e));
}

Text TrimSpaces(std::u16string_view s) { return TrimLeftSpaces(TrimRightSpaces(s)); }

Text Left(std::u16string_view s, long n) {
  if (n <= 0) return Text();
  return Text(s.substr(0, static_cast<size_t>(n)));
}

Text Right(std::u16string_view s, long n) {
  if (n <= 0) return Text();
  size_t count = std::min(s.size(), static_cast<size_t>(n));
  return Text(s.substr(s.size() - count));
}

Text Mid(std::u16string_view s, long start, long length) {
  if (start < 1) start = 1;
  size_t from = static_cast<size_t>(start - 1);
  if (from >= s.size() || length == 0) return Text();
  if (length < 0) return Text(s.substr(from));
  return Text(s.substr(from, static_cast<size_t>(length)));
}

long Find(std::u16string_view s, std::u16string_view probe, long start) {
  if (start < 1) start = 1;
  size_t from = static_cast<size_t>(start - 1);
  if (from > s.size()) return 0;
  size_t at = s.find(probe, from);
  return at == std::u16string_view::npos ? 0 : static_cast<long>(at) + 1;
}

std::vector<Text> Split(std::u16string_view s, std::u16string_view sep) {
  std::vector<Text> items;
  size_t from = 0;
  for (;;) {
    size_t at = sep.empty() ? std::u16string_view::npos : s.find(sep, from);
    if (at == std::u16string_view::npos) {
      items.emplace_back(s.substr(from));
      return items;
    }
    items.emplace_back(s.substr(from, at - from));
    from = at + sep.size();
  }
}

Text Replace(std::u16string_view s, std::u16string_view from, std::u16string_view to) {
  if (from.empty()) return Text(s);
  Text out;
  size_t pos = 0;
  for (size_t at; (at = s.find(from, pos)) != std::u16string_view::npos; pos = at + from.size()) {
    out.append(s.substr(pos, at - pos));
    out.append(to);
  }
  out.append(s.substr(pos));
  return out;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size() * 3);
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

Text FromUtf8(std::string_view s) {
  Text out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = extra >= 0 && i + static_cast<size_t>(extra) < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      unsigned char cont = static_cast<unsigned char>(s[i + k]);
      if ((cont & 0xC0) != 0x80) ok = false;
      else c = (c << 6) | (cont & 0x3F);
    }
    // Overlong forms, surrogates and values beyond U+10FFFF are not valid UTF-8.
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (ok && (c < kMin[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) ok = false;
    if (!ok) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace common
