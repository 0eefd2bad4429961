// Quoting and number checks for values joined into statement text.
#include "order_service/sql_text.h"

#include "order_service/messages.h"

namespace order_service {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Advances i over a run of digits; returns how many there were.
size_t SkipDigits(std::u16string_view s, size_t& i) {
  const size_t start = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i - start;
}

}  // namespace

Text Quoted(std::u16string_view value) {
  Text out = u"'";
  out += common::Replace(value, u"'", u"''");
  out += u"'";
  return out;
}

bool IsNumberText(std::u16string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  size_t digits = SkipDigits(s, i);
  if (i < s.size() && s[i] == u'.') {
    ++i;
    digits += SkipDigits(s, i);
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    if (SkipDigits(s, i) == 0) return false;
  }
  return i == s.size();
}

Text BareNumber(std::u16string_view value) {
  Text trimmed = common::TrimSpaces(value);
  if (!IsNumberText(trimmed)) throw StatementValueError(messages::kBareValueNotNumber + Text(value));
  return trimmed;
}

}  // namespace order_service
