// Adapts T-SQL statement text for SQLite's parser (see tsql_rewrite.h).
#include "order_service/db/tsql_rewrite.h"

namespace order_service::db {
namespace {

bool IsNameChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
         c == u'$' || c == u'@' || c == u'#' || c >= 0x80;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// End (exclusive) of the quoted run or comment starting at i, or i when none starts there.
size_t SkipQuoted(const common::Text& s, size_t i) {
  auto until = [&](const char16_t* close, size_t from) {
    size_t e = s.find(close, from);
    return e == common::Text::npos ? s.size() : e + std::char_traits<char16_t>::length(close);
  };
  char16_t c = s[i];
  if (c == u'\'' || c == u'"') {  // a doubled quote continues the run
    size_t k = i + 1;
    while (k < s.size()) {
      if (s[k] == c) {
        if (k + 1 < s.size() && s[k + 1] == c) {
          k += 2;
          continue;
        }
        return k + 1;
      }
      ++k;
    }
    return s.size();
  }
  if (c == u'[') return until(u"]", i + 1);
  if (c == u'-' && i + 1 < s.size() && s[i + 1] == u'-') return until(u"\n", i + 2);
  if (c == u'/' && i + 1 < s.size() && s[i + 1] == u'*') return until(u"*/", i + 2);
  return i;
}

// Whether the name chars [i, end) spell word, ignoring ASCII case.
bool IsWord(const common::Text& s, size_t i, size_t end, std::u16string_view word) {
  if (end - i != word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k) {
    char16_t c = s[i + k];
    if (c >= u'A' && c <= u'Z') c += 32;
    if (c != word[k]) return false;
  }
  return true;
}

size_t SkipSpaces(const common::Text& s, size_t i) {
  while (i < s.size() && IsSpace(s[i])) ++i;
  return i;
}

size_t NameEnd(const common::Text& s, size_t i) {
  while (i < s.size() && IsNameChar(s[i])) ++i;
  return i;
}

// Whether the column at [begin, ...) starts a condition of its own: it follows
// "(" or one of the words that begin a condition, so a rewrite of the
// comparison that follows cannot change what an operator before it binds.
bool StartsCondition(const common::Text& s, size_t begin) {
  size_t k = begin;
  while (k > 0 && IsSpace(s[k - 1])) --k;
  if (k == 0) return false;
  if (s[k - 1] == u'(') return true;
  size_t e = k;
  while (k > 0 && IsNameChar(s[k - 1])) --k;
  for (std::u16string_view w : {u"where", u"and", u"or", u"not", u"on", u"having"})
    if (IsWord(s, k, e, w)) return true;
  return false;
}

// "column like 'text'" where text holds no wildcard: the rows it matches are
// exactly those that also equal text under the column's collation (case and
// trailing spaces aside, the same test), so the comparison is repeated as
// "=", which SQLite can serve from the column's index; it cannot do that for
// a LIKE once like() is replaced. Returns the end of the rewritten
// comparison, or begin when it does not apply.
size_t AddLikeEquality(const common::Text& s, size_t begin, size_t column_end, common::Text& out) {
  if (!StartsCondition(s, begin) || IsWord(s, begin, column_end, u"not")) return begin;
  size_t like = SkipSpaces(s, column_end);
  size_t like_end = NameEnd(s, like);
  if (like == column_end || !IsWord(s, like, like_end, u"like")) return begin;
  size_t lit = SkipSpaces(s, like_end);
  if (lit >= s.size() || s[lit] != u'\'') return begin;
  size_t lit_end = SkipQuoted(s, lit);
  if (lit_end > s.size() || s[lit_end - 1] != u'\'' || lit_end - lit < 2) return begin;
  for (size_t k = lit + 1; k + 1 < lit_end; ++k)
    if (s[k] == u'%' || s[k] == u'_' || s[k] == u'[') return begin;
  size_t after = SkipSpaces(s, lit_end);
  if (IsWord(s, after, NameEnd(s, after), u"escape")) return begin;
  const common::Text column = s.substr(begin, column_end - begin);
  const common::Text literal = s.substr(lit, lit_end - lit);
  const common::Text keyword = s.substr(like, like_end - like);
  out += u"(" + column + u" " + keyword + u" " + literal + u" and " + column + u" = " + literal + u")";
  return lit_end;
}

}  // namespace

common::Text AdaptForSqlite(const common::Text& sql) {
  common::Text out;
  out.reserve(sql.size() + 8);
  size_t i = 0;
  while (i < sql.size()) {
    size_t skip = SkipQuoted(sql, i);
    if (skip != i && sql[i] == u'[') {  // a bracketed column name may start a LIKE
      size_t done = AddLikeEquality(sql, i, skip, out);
      if (done != i) {
        i = done;
        continue;
      }
    }
    if (skip != i) {
      out.append(sql, i, skip - i);
      i = skip;
      continue;
    }
    if (!IsNameChar(sql[i])) {
      out.push_back(sql[i++]);
      continue;
    }
    size_t end = NameEnd(sql, i);
    if (i == 0 || sql[i - 1] != u'.') {  // a qualified name is left alone
      size_t done = AddLikeEquality(sql, i, end, out);
      if (done != i) {
        i = done;
        continue;
      }
    }
    size_t next = end;
    while (next < sql.size() && IsSpace(sql[next])) ++next;
    if (IsWord(sql, i, end, u"isnull") && next < sql.size() && sql[next] == u'(') {
      out += u'"';
      out.append(sql, i, end - i);
      out += u'"';
    } else {
      out.append(sql, i, end - i);
    }
    i = end;
  }
  return out;
}

}  // namespace order_service::db
