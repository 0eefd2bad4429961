// Registers the T-SQL compatibility (collation, LIKE, isnull, Object_Id,
// SysColumns) on an SQLite connection. Compiled twice: into the embedded
// backend against the SQLite library, and into the loadable extension against
// the routine table the loading SQLite hands over (TSQL_COMPAT_EXTENSION).
#include "order_service/db/tsql_compat.h"

#ifdef TSQL_COMPAT_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace order_service::db {
namespace {

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
char32_t FoldAscii32(char32_t c) { return (c >= U'A' && c <= U'Z') ? c + 32 : c; }

// SQL Server's default comparison for the service's keys: ASCII letters
// without case, trailing spaces ignored; everything else by code point (UTF-8
// byte order is code point order).
int CompareTsql(void*, int n1, const void* p1, int n2, const void* p2) {
  auto a = static_cast<const unsigned char*>(p1);
  auto b = static_cast<const unsigned char*>(p2);
  while (n1 > 0 && a[n1 - 1] == ' ') --n1;
  while (n2 > 0 && b[n2 - 1] == ' ') --n2;
  int n = n1 < n2 ? n1 : n2;
  for (int i = 0; i < n; ++i) {
    unsigned char x = FoldAscii(a[i]), y = FoldAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return n1 == n2 ? 0 : (n1 < n2 ? -1 : 1);
}

// UTF-8 to code points; a malformed byte stands for itself so that it still
// compares equal only to the same byte.
std::u32string Decode(const unsigned char* s, int n) {
  std::u32string out;
  for (int i = 0; i < n;) {
    unsigned char c = s[i];
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > n) {
      out.push_back(c);
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    out.push_back(cp);
    i += len;
  }
  return out;
}

// One element of a T-SQL LIKE pattern.
struct PatternItem {
  enum Kind { kAnyRun, kAnyOne, kLiteral, kSet } kind = kLiteral;
  char32_t literal = 0;
  bool negated = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // for kSet, folded

  static PatternItem Of(Kind kind, char32_t literal = 0) {
    PatternItem item;
    item.kind = kind;
    item.literal = literal;
    return item;
  }

  bool Matches(char32_t c) const {
    c = FoldAscii32(c);
    switch (kind) {
      case kAnyOne: return true;
      case kLiteral: return FoldAscii32(literal) == c;
      case kSet: {
        bool in = false;
        for (auto& r : ranges) in = in || (c >= r.first && c <= r.second);
        return in != negated;
      }
      default: return false;
    }
  }
};

// T-SQL LIKE: % any run, _ one character, [abc] / [a-z] / [^...] sets, an
// optional escape character; an unclosed "[" is a plain character.
std::vector<PatternItem> ParsePattern(const std::u32string& p, char32_t escape, bool has_escape) {
  std::vector<PatternItem> items;
  for (size_t i = 0; i < p.size(); ++i) {
    char32_t c = p[i];
    if (has_escape && c == escape && i + 1 < p.size()) {
      items.push_back(PatternItem::Of(PatternItem::kLiteral, p[++i]));
    } else if (c == U'%') {
      if (items.empty() || items.back().kind != PatternItem::kAnyRun) items.push_back(PatternItem::Of(PatternItem::kAnyRun));
    } else if (c == U'_') {
      items.push_back(PatternItem::Of(PatternItem::kAnyOne));
    } else if (c == U'[' && p.find(U']', i + 2) != std::u32string::npos) {
      size_t close = p.find(U']', i + 2);  // "[]]" holds a "]"
      PatternItem set = PatternItem::Of(PatternItem::kSet);
      size_t k = i + 1;
      if (p[k] == U'^' && k + 1 < close) {
        set.negated = true;
        ++k;
      }
      for (; k < close; ++k) {
        char32_t lo = FoldAscii32(p[k]), hi = lo;
        if (k + 2 < close && p[k + 1] == U'-') {
          hi = FoldAscii32(p[k + 2]);
          k += 2;
        }
        set.ranges.emplace_back(lo, hi);
      }
      items.push_back(std::move(set));
      i = close;
    } else {
      items.push_back(PatternItem::Of(PatternItem::kLiteral, c));
    }
  }
  return items;
}

// Every item but % matches exactly one character, so one backtracking point
// (the latest %) suffices.
bool MatchLike(const std::vector<PatternItem>& pat, const std::u32string& text) {
  size_t p = 0, t = 0, star = SIZE_MAX, star_t = 0;
  while (t < text.size()) {
    if (p < pat.size() && pat[p].kind == PatternItem::kAnyRun) {
      star = p++;
      star_t = t;
    } else if (p < pat.size() && pat[p].Matches(text[t])) {
      ++p;
      ++t;
    } else if (star != SIZE_MAX) {
      p = star + 1;
      t = ++star_t;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p].kind == PatternItem::kAnyRun) ++p;
  return p == pat.size();
}

// like(pattern, text [, escape]): SQLite's argument order for "text LIKE pattern".
void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return;  // NULL result
  auto text_of = [&](int i) {
    auto s = sqlite3_value_text(argv[i]);
    return Decode(s, sqlite3_value_bytes(argv[i]));
  };
  std::u32string pattern = text_of(0), text = text_of(1);
  char32_t escape = 0;
  if (argc == 3) {
    std::u32string e = text_of(2);
    if (e.size() != 1) {
      sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
      return;
    }
    escape = e[0];
  }
  sqlite3_result_int(ctx, MatchLike(ParsePattern(pattern, escape, argc == 3), text) ? 1 : 0);
}

void IsNullFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

// "[dbo].[T]", "dbo.T" and "T" all name table T.
std::string BareTableName(std::string name) {
  auto unbracket = [](std::string s) {
    if (s.size() >= 2 && s.front() == '[' && s.back() == ']') s = s.substr(1, s.size() - 2);
    return s;
  };
  for (const char* prefix : {"[dbo].", "dbo."}) {
    size_t n = std::strlen(prefix);
    if (name.size() > n && sqlite3_strnicmp(name.c_str(), prefix, static_cast<int>(n)) == 0) {
      name = name.substr(n);
      break;
    }
  }
  return unbracket(name);
}

// A table's or view's id is its row in the schema table; SysColumns uses the same.
constexpr char kTablesWhere[] =
    " m.type IN ('table','view') AND substr(m.name,1,7) <> 'sqlite_' ";

void ObjectIdFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
  std::string name = BareTableName(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
  sqlite3* db = sqlite3_context_db_handle(ctx);
  sqlite3_stmt* st = nullptr;
  std::string sql = std::string("SELECT m.rowid FROM sqlite_master m WHERE") + kTablesWhere +
                    "AND m.name = ?1 COLLATE NOCASE";
  int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_bind_text(st, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) sqlite3_result_int64(ctx, sqlite3_column_int64(st, 0));
    else if (rc != SQLITE_DONE) sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
  } else {
    sqlite3_result_error(ctx, sqlite3_errmsg(db), -1);
  }
  sqlite3_finalize(st);
}

// SysColumns(id, Name): one row per column of every table and view, in
// column order, read from the schema at each scan so that tables created
// later on the same connection appear too.
struct SysColumnsTable {
  sqlite3_vtab base{};
  sqlite3* db = nullptr;
};
struct SysColumnsCursor {
  sqlite3_vtab_cursor base{};
  std::vector<std::pair<sqlite3_int64, std::string>> rows;
  size_t pos = 0;
};

int SysColumnsConnect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** out, char**) {
  std::string ddl = std::string("CREATE TABLE x(id INTEGER, Name TEXT COLLATE ") + kCollation + ")";
  int rc = sqlite3_declare_vtab(db, ddl.c_str());
  if (rc != SQLITE_OK) return rc;
  auto table = new SysColumnsTable;
  table->db = db;
  *out = &table->base;
  return SQLITE_OK;
}

int SysColumnsDisconnect(sqlite3_vtab* vtab) {
  delete reinterpret_cast<SysColumnsTable*>(vtab);
  return SQLITE_OK;
}

// An equality on id (the service's only filter) reads one table's columns.
int SysColumnsBestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
  info->idxNum = 0;
  info->estimatedCost = 100000;
  for (int i = 0; i < info->nConstraint; ++i) {
    const auto& c = info->aConstraint[i];
    if (c.usable && c.iColumn == 0 && c.op == SQLITE_INDEX_CONSTRAINT_EQ) {
      info->aConstraintUsage[i].argvIndex = 1;
      info->aConstraintUsage[i].omit = 1;
      info->idxNum = 1;
      info->estimatedCost = 10;
      break;
    }
  }
  return SQLITE_OK;
}

int SysColumnsOpen(sqlite3_vtab*, sqlite3_vtab_cursor** out) {
  *out = &(new SysColumnsCursor)->base;
  return SQLITE_OK;
}

int SysColumnsClose(sqlite3_vtab_cursor* cur) {
  delete reinterpret_cast<SysColumnsCursor*>(cur);
  return SQLITE_OK;
}

int SysColumnsFilter(sqlite3_vtab_cursor* cur, int idx_num, const char*, int argc, sqlite3_value** argv) {
  auto c = reinterpret_cast<SysColumnsCursor*>(cur);
  auto table = reinterpret_cast<SysColumnsTable*>(cur->pVtab);
  c->rows.clear();
  c->pos = 0;
  if (idx_num == 1 && argc == 1 && sqlite3_value_type(argv[0]) == SQLITE_NULL) return SQLITE_OK;
  std::string sql = std::string("SELECT m.rowid, p.name FROM sqlite_master m, pragma_table_info(m.name) p WHERE") +
                    kTablesWhere + (idx_num == 1 ? "AND m.rowid = ?1 " : "") + "ORDER BY m.rowid, p.cid";
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(table->db, sql.c_str(), -1, &st, nullptr);
  if (rc == SQLITE_OK && idx_num == 1) rc = sqlite3_bind_value(st, 1, argv[0]);
  while (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW) {
    auto name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
    c->rows.emplace_back(sqlite3_column_int64(st, 0), name ? name : "");
    rc = SQLITE_OK;
  }
  if (rc != SQLITE_DONE) {
    sqlite3_free(table->base.zErrMsg);
    table->base.zErrMsg = sqlite3_mprintf("%s", sqlite3_errmsg(table->db));
  }
  sqlite3_finalize(st);
  return rc == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
}

int SysColumnsNext(sqlite3_vtab_cursor* cur) {
  ++reinterpret_cast<SysColumnsCursor*>(cur)->pos;
  return SQLITE_OK;
}

int SysColumnsEof(sqlite3_vtab_cursor* cur) {
  auto c = reinterpret_cast<SysColumnsCursor*>(cur);
  return c->pos >= c->rows.size();
}

int SysColumnsColumn(sqlite3_vtab_cursor* cur, sqlite3_context* ctx, int col) {
  auto c = reinterpret_cast<SysColumnsCursor*>(cur);
  const auto& row = c->rows[c->pos];
  if (col == 0) sqlite3_result_int64(ctx, row.first);
  else sqlite3_result_text(ctx, row.second.c_str(), static_cast<int>(row.second.size()), SQLITE_TRANSIENT);
  return SQLITE_OK;
}

int SysColumnsRowid(sqlite3_vtab_cursor* cur, sqlite3_int64* rowid) {
  *rowid = static_cast<sqlite3_int64>(reinterpret_cast<SysColumnsCursor*>(cur)->pos);
  return SQLITE_OK;
}

sqlite3_module MakeSysColumnsModule() {
  sqlite3_module m{};
  m.iVersion = 0;
  m.xCreate = nullptr;  // eponymous only: "SysColumns" exists on every connection
  m.xConnect = SysColumnsConnect;
  m.xBestIndex = SysColumnsBestIndex;
  m.xDisconnect = SysColumnsDisconnect;
  m.xDestroy = SysColumnsDisconnect;
  m.xOpen = SysColumnsOpen;
  m.xClose = SysColumnsClose;
  m.xFilter = SysColumnsFilter;
  m.xNext = SysColumnsNext;
  m.xEof = SysColumnsEof;
  m.xColumn = SysColumnsColumn;
  m.xRowid = SysColumnsRowid;
  return m;
}

}  // namespace

int RegisterTsqlCompat(sqlite3* db) {
  static const sqlite3_module sys_columns = MakeSysColumnsModule();
  const int text_fn = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  int rc = sqlite3_create_collation(db, kCollation, SQLITE_UTF8, nullptr, CompareTsql);
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "like", 2, text_fn, nullptr, LikeFunction, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "like", 3, text_fn, nullptr, LikeFunction, nullptr, nullptr);
  // isnull is a keyword of SQLite's grammar, so "isnull(" only parses once the
  // statement text is adapted (tsql_rewrite.h); the function serves both spellings.
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "isnull", 2, text_fn, nullptr, IsNullFunction, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "Object_Id", 1, SQLITE_UTF8, nullptr, ObjectIdFunction, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_module(db, "SysColumns", &sys_columns, nullptr);
  return rc;
}

}  // namespace order_service::db
