// OLE DB connection string -> backend and ODBC connection string.
#include "order_service/db/connection_string.h"

#include <vector>

#include "order_service/db/database_error.h"

namespace order_service::db {
namespace {

using common::Text;

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool StartsWithIgnoringCase(std::u16string_view s, std::u16string_view prefix) {
  return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

Text Trim(std::u16string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == u' ' || s[b] == u'\t')) ++b;
  while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
  return Text(s.substr(b, e - b));
}

// The member of OleDbSettings a key names (with OLE DB's synonyms), or null.
Text* SettingFor(OleDbSettings& s, std::u16string_view key) {
  Text k = Trim(key);
  if (EqualsIgnoringCase(k, u"Provider")) return &s.provider;
  if (EqualsIgnoringCase(k, u"User ID") || EqualsIgnoringCase(k, u"UID")) return &s.user;
  if (EqualsIgnoringCase(k, u"Password") || EqualsIgnoringCase(k, u"PWD")) return &s.password;
  if (EqualsIgnoringCase(k, u"Initial Catalog") || EqualsIgnoringCase(k, u"Database")) return &s.catalog;
  if (EqualsIgnoringCase(k, u"Data Source") || EqualsIgnoringCase(k, u"Server")) return &s.data_source;
  return nullptr;
}

// The keys LoadCfgINI writes; any other "x=y" piece belongs to the value
// before it (a password may hold ";" and "=").
bool IsKnownKey(std::u16string_view key) {
  OleDbSettings probe;
  return SettingFor(probe, key) != nullptr || EqualsIgnoringCase(Trim(key), u"Persist Security Info");
}

bool IsEmbeddedSource(std::u16string_view v) {
  return StartsWithIgnoringCase(v, u"sqlite:") || StartsWithIgnoringCase(v, u"odbc:");
}

// The value of an ODBC key in an ODBC connection string, at top level (braced
// values skipped), or false when the key is absent.
bool OdbcNamesKey(const Text& s, std::u16string_view key) {
  size_t i = 0;
  while (i < s.size()) {
    size_t eq = s.find(u'=', i);
    if (eq == Text::npos) return false;
    if (EqualsIgnoringCase(Trim(std::u16string_view(s).substr(i, eq - i)), key)) return true;
    size_t k = eq + 1;
    while (k < s.size() && s[k] == u' ') ++k;
    if (k < s.size() && s[k] == u'{') {  // "}}" inside braces is a literal "}"
      for (++k; k < s.size(); ++k) {
        if (s[k] != u'}') continue;
        if (k + 1 < s.size() && s[k + 1] == u'}') { ++k; continue; }
        break;
      }
    }
    size_t semi = s.find(u';', k);
    if (semi == Text::npos) return false;
    i = semi + 1;
  }
  return false;
}

}  // namespace

OleDbSettings ParseOleDb(const Text& cs) {
  OleDbSettings s;
  Text* last = nullptr;  // the value a following unknown piece belongs to
  size_t i = 0;
  while (i <= cs.size()) {
    size_t semi = cs.find(u';', i);
    size_t end = semi == Text::npos ? cs.size() : semi;
    std::u16string_view piece = std::u16string_view(cs).substr(i, end - i);
    size_t eq = piece.find(u'=');
    if (eq != std::u16string_view::npos && IsKnownKey(piece.substr(0, eq))) {
      last = SettingFor(s, piece.substr(0, eq));
      Text value(piece.substr(eq + 1));
      if (last == &s.data_source && IsEmbeddedSource(Trim(value))) {
        s.data_source = Trim(cs.substr(i + eq + 1));
        return s;
      }
      if (last) *last = value;
    } else if (last && !(piece.empty() && semi == Text::npos)) {
      *last += u';';  // "Password=a;b" holds the password "a;b"
      *last += piece;
    }
    if (semi == Text::npos) break;
    i = semi + 1;
  }
  s.provider = Trim(s.provider);
  s.data_source = Trim(s.data_source);
  s.catalog = Trim(s.catalog);
  return s;
}

Text OdbcPair(std::u16string_view key, std::u16string_view value) {
  bool brace = !value.empty() && (value.front() == u' ' || value.back() == u' ' || value.front() == u'{');
  for (char16_t c : value)
    if (c == u';' || c == u'}' || c == u'=' || c == u'{') brace = true;
  Text out(key);
  out += u'=';
  if (!brace) return out + Text(value);
  out += u'{';
  for (char16_t c : value) {
    out += c;
    if (c == u'}') out += u'}';
  }
  return out + u'}';
}

BackendTarget MapConnectionString(const Text& cs, OdbcPlatform platform) {
  OleDbSettings s;
  if (IsEmbeddedSource(Trim(cs))) s.data_source = Trim(cs);
  else s = ParseOleDb(cs);

  if (!s.provider.empty() && !StartsWithIgnoringCase(s.provider, u"SQLOLEDB"))
    throw DatabaseError(u"Provider cannot be found. It may not be properly installed. (" + s.provider + u")");
  if (s.data_source.empty())
    throw DatabaseError(u"The connection string names no data source (Data Source=).");

  if (StartsWithIgnoringCase(s.data_source, u"sqlite:")) {
    Text path = Trim(std::u16string_view(s.data_source).substr(7));
    if (path.empty()) throw DatabaseError(u"The data source sqlite: names no database file.");
    return {BackendTarget::Kind::kSqlite, path};
  }
  if (StartsWithIgnoringCase(s.data_source, u"odbc:")) {
    Text odbc = Trim(std::u16string_view(s.data_source).substr(5));
    if (odbc.empty()) throw DatabaseError(u"The data source odbc: names no ODBC connection string.");
    if (!OdbcNamesKey(odbc, u"UID") && !OdbcNamesKey(odbc, u"PWD") && !s.user.empty()) {
      if (odbc.back() != u';') odbc += u';';
      odbc += OdbcPair(u"UID", s.user) + u";" + OdbcPair(u"PWD", s.password);
    }
    return {BackendTarget::Kind::kOdbc, odbc};
  }

  // A SQL Server name: "host", "host\instance" or "host,port".
  Text odbc;
  if (platform == OdbcPlatform::kWindows) {
    odbc = u"Driver={SQL Server};" + OdbcPair(u"Server", s.data_source) + u";" + OdbcPair(u"Database", s.catalog) +
           u";" + OdbcPair(u"Uid", s.user) + u";" + OdbcPair(u"Pwd", s.password);
  } else {
    // FreeTDS reads a port from its own key, not from "host,port".
    Text server = s.data_source, port;
    size_t comma = server.find(u',');
    if (comma != Text::npos) {
      port = Trim(std::u16string_view(server).substr(comma + 1));
      server = Trim(std::u16string_view(server).substr(0, comma));
    }
    odbc = u"Driver=FreeTDS;" + OdbcPair(u"Server", server) + u";";
    if (!port.empty()) odbc += OdbcPair(u"Port", port) + u";";
    odbc += OdbcPair(u"Database", s.catalog) + u";" + OdbcPair(u"UID", s.user) + u";" +
            OdbcPair(u"PWD", s.password) + u";TDS_Version=auto;ClientCharset=UTF-8";
  }
  return {BackendTarget::Kind::kOdbc, odbc};
}

}  // namespace order_service::db
