// DDL text for SQL Server and SQLite from the table definitions.
#include "order_service/schema/ddl_writer.h"

#include "order_service/db/tsql_compat.h"

namespace order_service::schema {
namespace {

Text SqliteText() { return u"TEXT COLLATE " + common::FromUtf8(db::kCollation); }

Text IndexName(const TableDef& table, size_t number) {
  // SQLite wants index names unique in the whole database, so they carry the table's.
  return u"IX_" + table.name + u"_" + common::FromUtf8(std::to_string(number));
}

}  // namespace

Text QuoteName(Dialect dialect, std::u16string_view name) {
  if (dialect == Dialect::kSqlServer) return u"[" + common::Replace(name, u"]", u"]]") + u"]";
  return u"\"" + common::Replace(name, u"\"", u"\"\"") + u"\"";
}

Text ColumnType(Dialect dialect, ColumnKind kind) {
  const bool ss = dialect == Dialect::kSqlServer;
  switch (kind) {
    // SQL Server: text takes the database's default collation, which should be
    // Chinese_PRC_CI_AS (the service's literals carry no N prefix).
    case ColumnKind::kRowNumber: return ss ? u"int IDENTITY(1,1) NOT NULL PRIMARY KEY" : u"INTEGER PRIMARY KEY AUTOINCREMENT";
    case ColumnKind::kKey: return ss ? u"nvarchar(100)" : SqliteText();
    case ColumnKind::kText: return ss ? u"nvarchar(255)" : SqliteText();
    case ColumnKind::kLongText: return ss ? u"nvarchar(1000)" : SqliteText();
    // SQLite keeps moments as "YYYY-MM-DD HH:MM:SS" text, which sorts by time.
    case ColumnKind::kDateTime: return ss ? u"datetime" : u"TEXT";
    case ColumnKind::kDate: return ss ? u"date" : u"TEXT";
    case ColumnKind::kInteger: return ss ? u"int" : u"INTEGER";
    case ColumnKind::kReal: return ss ? u"float" : u"REAL";
    case ColumnKind::kMoney: return ss ? u"decimal(18,2)" : u"DECIMAL(18,2)";
    case ColumnKind::kDecimal3: return ss ? u"decimal(18,3)" : u"DECIMAL(18,3)";
  }
  return u"";
}

std::vector<Text> CreateTableStatements(Dialect dialect, const TableDef& table) {
  Text create = u"CREATE TABLE " + QuoteName(dialect, table.name) + u" (";
  for (size_t i = 0; i < table.columns.size(); ++i) {
    const ColumnDef& c = table.columns[i];
    create += (i ? u",\n  " : u"\n  ") + QuoteName(dialect, c.name) + u" " + ColumnType(dialect, c.kind);
  }
  create += u"\n)";
  std::vector<Text> out = {create};
  for (size_t i = 0; i < table.indexes.size(); ++i) {
    const IndexDef& ix = table.indexes[i];
    Text columns;
    for (const Text& c : ix.columns) {
      table.Column(c);  // an index names only columns of its table
      columns += (columns.empty() ? u"" : u", ") + QuoteName(dialect, c);
    }
    out.push_back(Text(ix.unique ? u"CREATE UNIQUE INDEX " : u"CREATE INDEX ") +
                  QuoteName(dialect, IndexName(table, i + 1)) + u" ON " + QuoteName(dialect, table.name) + u" (" +
                  columns + u")");
  }
  return out;
}

Text DropTableStatement(Dialect dialect, const TableDef& table) {
  return u"DROP TABLE " + QuoteName(dialect, table.name);
}

Text DdlScript(Dialect dialect, const std::vector<TableDef>& tables) {
  Text out = dialect == Dialect::kSqlServer
                 ? u"-- Order service tables for SQL Server. Create the database with\n"
                   u"-- COLLATE Chinese_PRC_CI_AS: the service sends text literals without N''.\n"
                 : u"-- Order service tables for SQLite. Text columns use the " + common::FromUtf8(db::kCollation) +
                       u" collation,\n-- which the service's database layer registers on every connection.\n";
  for (const TableDef& t : tables) {
    out += u"\n";
    for (const Text& s : CreateTableStatements(dialect, t)) out += s + u";\n";
  }
  return out;
}

}  // namespace order_service::schema
