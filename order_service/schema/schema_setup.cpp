// Table creation through a connection of the database layer.
#include "order_service/schema/schema_setup.h"

#include "order_service/schema/ddl_writer.h"
#include "order_service/sql_text.h"
#include "order_service/schema/demo_data.h"

namespace order_service::schema {
namespace {

std::string JoinNames(const std::vector<Text>& tables) {
  std::string s;
  for (const Text& t : tables) s += (s.empty() ? "" : ", ") + common::ToUtf8(t);
  return s;
}

bool TableExists(db::Connection& cn, Dialect dialect, const Text& table) {
  const Text literal = (dialect == Dialect::kSqlServer ? u"N" : u"") + order_service::Quoted(QuoteName(Dialect::kSqlServer, table));
  const db::ResultRows r = cn.Query(u"Select Object_Id(" + literal + u")");
  return !r.rows.empty() && !r.rows[0].empty() && !r.rows[0][0].IsNull();
}

}  // namespace

TablesExistError::TablesExistError(std::vector<Text> tables)
    : std::runtime_error("these tables exist already: " + JoinNames(tables)), tables_(std::move(tables)) {}

std::vector<Text> ExistingServiceTables(db::Connection& cn, Dialect dialect, const TableNames& names) {
  std::vector<Text> found;
  for (const TableDef& t : ServiceTables(names))
    if (TableExists(cn, dialect, t.name)) found.push_back(t.name);
  return found;
}

void CreateServiceTables(db::Connection& cn, Dialect dialect, const TableNames& names, SetupOptions options) {
  const std::vector<TableDef> tables = ServiceTables(names);
  const std::vector<Text> existing = ExistingServiceTables(cn, dialect, names);
  if (!existing.empty() && !options.force) throw TablesExistError(existing);
  cn.BeginWriteTransaction();
  try {
    for (const TableDef& t : tables)
      for (const Text& name : existing)
        if (name == t.name) cn.Execute(DropTableStatement(dialect, t));
    for (const TableDef& t : tables)
      for (const Text& s : CreateTableStatements(dialect, t)) cn.Execute(s);
    if (options.demo)
      for (const Text& s : DemoInsertStatements(dialect, names)) cn.Execute(s);
    cn.Commit();
  } catch (...) {
    cn.Rollback();
    throw;
  }
}

}  // namespace order_service::schema
