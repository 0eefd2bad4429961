// Dialect names and the dialect of a configured server.
#include "order_service/schema/dialect.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace order_service::schema {
namespace {

std::string AsciiLower(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) out += c < 128 ? static_cast<char>(std::tolower(c)) : '?';
  return out;
}

}  // namespace

std::optional<Dialect> ParseDialect(std::string_view name) {
  if (name == "sqlserver") return Dialect::kSqlServer;
  if (name == "sqlite") return Dialect::kSqlite;
  return std::nullopt;
}

Dialect DialectOfServer(std::u16string_view server) {
  const std::string s = AsciiLower(common::TrimSpaces(server));
  if (s.rfind("sqlite:", 0) == 0) return Dialect::kSqlite;
  if (s.rfind("odbc:", 0) == 0 && s.find("sqlite") != std::string::npos) return Dialect::kSqlite;
  return Dialect::kSqlServer;
}

}  // namespace order_service::schema
