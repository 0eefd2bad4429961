// The database commands of kvx, on the database the configuration names.
#include "order_service/cli/db_commands.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "order_service/cli/usage_error.h"
#include "order_service/db/connection.h"
#include "order_service/db/database_error.h"
#include "order_service/schema/ddl_writer.h"
#include "order_service/schema/schema_setup.h"
#include "order_service/wstd.h"

namespace kvx {
namespace {

namespace schema = order_service::schema;
namespace db = order_service::db;

struct Configuration {
  common::Text connection_string;
  common::Text server;
  schema::TableNames names;
};

// The configuration as the service loads it; nullopt (reported) when it cannot be.
std::optional<Configuration> LoadConfiguration(order_service::Host& host, std::ostream& err) {
  order_service::Wstd w(host);
  if (!w.LoadCfgINI()) {
    err << "kvx: the configuration file cannot be loaded (see kvx config read)\n";
    return std::nullopt;
  }
  return Configuration{w.ConnStr(), w.CFG_SQLsvr, {w.ListUser, w.ListNames}};
}

// A cell on one output line: tabs and line breaks would split the row.
std::string CellText(const db::DbValue& v, const common::Text& column) {
  if (v.IsNull()) return "NULL";
  std::string s = common::ToUtf8(v.AsText(column));
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s;
}

int DbInit(order_service::Host& host, const std::vector<std::string>& args, bool json, std::ostream& out,
           std::ostream& err) {
  schema::SetupOptions options;
  for (const std::string& a : args) {
    if (a == "--demo")
      options.demo = true;
    else if (a == "--force")
      options.force = true;
    else
      throw UsageError("db init: unknown option " + a);
  }
  const auto cfg = LoadConfiguration(host, err);
  if (!cfg) return 1;
  const schema::Dialect dialect = schema::DialectOfServer(cfg->server);
  try {
    schema::CheckTableNames(cfg->names);
    db::Connection cn;
    cn.Open(cfg->connection_string);
    schema::CreateServiceTables(cn, dialect, cfg->names, options);
    cn.Close();
  } catch (const schema::TablesExistError& e) {
    err << "kvx: " << e.what() << " (--force replaces them)\n";
    return 1;
  } catch (const db::DatabaseError& e) {
    err << "kvx: " << common::ToUtf8(e.description()) << '\n';
    return 1;
  } catch (const std::invalid_argument& e) {
    err << "kvx: " << e.what() << '\n';
    return 1;
  }
  const size_t count = schema::ServiceTables(cfg->names).size();
  if (json)
    out << nlohmann::ordered_json{{"tables", count}, {"demo", options.demo}}.dump() << '\n';
  else
    out << "created " << count << " tables" << (options.demo ? " with the demo data" : "") << '\n';
  return 0;
}

int DbSchema(order_service::Host& host, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<schema::Dialect> dialect;
  std::optional<std::string> customers, orders;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--dialect" && a != "--customers" && a != "--orders") throw UsageError("db schema: unknown option " + a);
    if (i + 1 >= args.size()) throw UsageError("db schema: " + a + " needs a value");
    const std::string& v = args[++i];
    if (a == "--dialect") {
      dialect = schema::ParseDialect(v);
      if (!dialect) throw UsageError("db schema: --dialect is sqlserver or sqlite, not " + v);
    } else {
      (a == "--customers" ? customers : orders) = v;
    }
  }
  if (!dialect) throw UsageError("db schema: --dialect is missing");
  if (customers.has_value() != orders.has_value()) throw UsageError("db schema: give both --customers and --orders");
  schema::TableNames names;
  if (customers) {
    names = {common::FromUtf8(*customers), common::FromUtf8(*orders)};
  } else {
    const auto cfg = LoadConfiguration(host, err);
    if (!cfg) return 1;
    names = cfg->names;
  }
  try {
    out << common::ToUtf8(schema::DdlScript(*dialect, schema::ServiceTables(names)));
  } catch (const std::invalid_argument& e) {
    err << "kvx: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int DbCommand(order_service::Host& host, const std::vector<std::string>& args, bool json, std::ostream& out,
              std::ostream& err) {
  if (args.empty()) throw UsageError("db needs init or schema");
  const std::vector<std::string> options(args.begin() + 1, args.end());
  if (args[0] == "init") return DbInit(host, options, json, out, err);
  if (args[0] == "schema") return DbSchema(host, options, out, err);
  throw UsageError("unknown db command " + args[0]);
}

int SqlCommand(order_service::Host& host, const std::vector<std::string>& args, bool json, std::ostream& out,
               std::ostream& err) {
  if (args.size() != 1) throw UsageError("sql takes one STATEMENT (quote it)");
  const auto cfg = LoadConfiguration(host, err);
  if (!cfg) return 1;
  db::ResultRows result;
  try {
    db::Connection cn;
    cn.Open(cfg->connection_string);
    result = cn.Query(common::FromUtf8(args[0]));
    cn.Close();
  } catch (const db::DatabaseError& e) {
    err << "kvx: " << common::ToUtf8(e.description()) << '\n';
    return 1;
  }
  if (json) {
    nlohmann::ordered_json columns = nlohmann::ordered_json::array(), rows = nlohmann::ordered_json::array();
    for (const common::Text& c : result.columns) columns.push_back(common::ToUtf8(c));
    for (const auto& row : result.rows) {
      nlohmann::ordered_json r = nlohmann::ordered_json::array();
      for (size_t i = 0; i < row.size(); ++i)
        r.push_back(row[i].IsNull() ? nlohmann::ordered_json() : nlohmann::ordered_json(common::ToUtf8(row[i].AsText(result.columns[i]))));
      rows.push_back(r);
    }
    out << nlohmann::ordered_json{{"columns", columns}, {"rows", rows}}.dump() << '\n';
    return 0;
  }
  if (!result.has_result) return 0;
  for (size_t i = 0; i < result.columns.size(); ++i) out << (i ? "\t" : "") << common::ToUtf8(result.columns[i]);
  out << '\n';
  for (const auto& row : result.rows) {
    for (size_t i = 0; i < row.size(); ++i) out << (i ? "\t" : "") << CellText(row[i], result.columns[i]);
    out << '\n';
  }
  return 0;
}

}  // namespace kvx
