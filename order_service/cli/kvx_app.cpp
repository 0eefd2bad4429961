// kvx: administration of the configuration file and calls on the service
// object from the command line or a script.
#include "order_service/cli/kvx_app.h"

#include <iterator>
#include <sstream>

#include "order_service/cli/call_output.h"
#include "order_service/cli/call_parser.h"
#include "order_service/cli/call_runner.h"
#include "order_service/cli/config_commands.h"
#include "order_service/cli/db_commands.h"
#include "order_service/cli/kvx_options.h"
#include "order_service/cli/usage_error.h"
#include "order_service/native_files.h"

namespace kvx {
namespace {

constexpr char kUsage[] =
    "usage: kvx [--windir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] [--answer ok|cancel] [--json] COMMAND\n"
    "  config write --server S --user U --password P --database D --orders T --customers T\n"
    "  config read\n"
    "  call MEMBER [ARG...]\n"
    "  run [FILE]      one call per line: MEMBER ARG..., PROPERTY = VALUE, PROPERTY; # comments\n"
    "  db init [--demo] [--force]\n"
    "  db schema --dialect sqlserver|sqlite [--customers T --orders T]\n"
    "  sql STATEMENT\n";

std::string ScriptText(const std::vector<std::string>& command, std::istream& in) {
  if (command.size() > 2) throw UsageError("run takes at most one FILE");
  if (command.size() == 1) return std::string(std::istreambuf_iterator<char>(in), {});
  const order_service::FileContents file = order_service::ReadAnyFile(common::FromUtf8(command[1]));
  if (file.status != order_service::FileStatus::Ok) throw UsageError("cannot read the script " + command[1]);
  return file.bytes;
}

int RunCalls(const KvxOptions& o, order_service::ConsoleHost& host, const std::vector<ParsedCall>& calls,
             std::ostream& out) {
  order_service::Wstd w(host);
  int status = 0;
  for (const ParsedCall& call : calls) {
    const CallOutcome outcome = RunCall(w, host, call);
    if (o.json)
      out << CallJson(outcome).dump() << '\n';
    else
      WriteCallText(out, outcome);
    out.flush();
    if (outcome.error) status = 1;
  }
  return status;
}

}  // namespace

int RunKvx(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  try {
    const KvxOptions o = ParseKvxOptions(args);
    order_service::ConsoleHost host(o.host, err);
    const std::vector<std::string>& c = o.command;
    const std::vector<std::string> rest(c.begin() + 1, c.end());
    if (c[0] == "config") {
      if (rest.empty()) throw UsageError("config needs write or read");
      const std::vector<std::string> options(rest.begin() + 1, rest.end());
      if (rest[0] == "write") return ConfigWrite(host, options, o.json, out, err);
      if (rest[0] == "read") return ConfigRead(host, options, o.json, out, err);
      throw UsageError("unknown config command " + rest[0]);
    }
    if (c[0] == "db") return DbCommand(host, rest, o.json, out, err);
    if (c[0] == "sql") return SqlCommand(host, rest, o.json, out, err);
    if (c[0] == "call") return RunCalls(o, host, {ParseCall(rest)}, out);
    if (c[0] == "run") return RunCalls(o, host, ParseScript(ScriptText(c, in)), out);
    throw UsageError("unknown command " + c[0]);
  } catch (const UsageError& e) {
    err << "kvx: " << e.what() << '\n' << kUsage;
    return 2;
  }
}

}  // namespace kvx
