// Writing and reading the configuration file from the command line.
#include "order_service/cli/config_commands.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>

#include "order_service/cli/usage_error.h"
#include "order_service/config_file.h"
#include "order_service/native_files.h"

namespace kvx {
namespace {

using order_service::ConfigFields;
using order_service::kConfigFieldCount;
using order_service::kConfigFieldNames;

std::string ReadProblem(order_service::ConfigStatus status) {
  switch (status) {
    case order_service::ConfigStatus::NoFile: return "there is no configuration file";
    case order_service::ConfigStatus::Unreadable: return "the configuration file cannot be read";
    case order_service::ConfigStatus::EmptyField: return "the configuration file is empty (its first field holds nothing)";
    case order_service::ConfigStatus::Undecodable: return "the configuration file cannot be decoded";
    case order_service::ConfigStatus::Ok: break;
  }
  return "";
}

}  // namespace

int ConfigWrite(order_service::Host& host, const std::vector<std::string>& args, bool json,
                std::ostream& out, std::ostream& err) {
  std::array<std::optional<std::string>, kConfigFieldCount> given;
  for (size_t i = 0; i < args.size(); ++i) {
    size_t field = kConfigFieldCount;
    for (size_t f = 0; f < kConfigFieldCount; ++f)
      if (args[i] == std::string("--") + kConfigFieldNames[f]) field = f;
    if (field == kConfigFieldCount) throw UsageError("config write: unknown option " + args[i]);
    if (i + 1 >= args.size()) throw UsageError("config write: " + args[i] + " needs a value");
    given[field] = args[++i];
  }
  ConfigFields fields;
  for (size_t f = 0; f < kConfigFieldCount; ++f) {
    if (!given[f]) throw UsageError(std::string("config write: --") + kConfigFieldNames[f] + " is missing");
    fields[f] = common::FromUtf8(*given[f]);
  }
  std::string bytes;
  try {
    bytes = order_service::BuildConfigFile(fields);
  } catch (const std::invalid_argument& e) {
    throw UsageError(std::string("config write: ") + e.what());
  }
  const common::Text path = order_service::ConfigFilePath(host.WindowsDirectory());
  std::string problem;
  if (!order_service::WriteWholeFile(path, bytes, problem)) {
    err << "kvx: " << problem << '\n';
    return 1;
  }
  if (json)
    out << nlohmann::ordered_json{{"written", common::ToUtf8(path)}}.dump() << '\n';
  else
    out << "wrote " << common::ToUtf8(path) << '\n';
  return 0;
}

int ConfigRead(order_service::Host& host, const std::vector<std::string>& args, bool json,
               std::ostream& out, std::ostream& err) {
  if (!args.empty()) throw UsageError("config read takes no arguments");
  const common::Text path = order_service::ConfigFilePath(host.WindowsDirectory());
  const order_service::ConfigText cfg = order_service::ReadConfigText(host, path);
  if (cfg.status != order_service::ConfigStatus::Ok) {
    err << "kvx: " << ReadProblem(cfg.status) << ": " << common::ToUtf8(path) << '\n';
    return 1;
  }
  const std::vector<common::Text> items = common::Split(cfg.text, order_service::kConfigSeparator);
  if (items.size() < kConfigFieldCount) {
    err << "kvx: the configuration file holds " << items.size() << " of its " << kConfigFieldCount
        << " fields: " << common::ToUtf8(path) << '\n';
    return 1;
  }
  nlohmann::ordered_json object = nlohmann::ordered_json::object();
  for (size_t f = 0; f < kConfigFieldCount; ++f) {
    const std::string value = common::ToUtf8(common::TrimSpaces(items[f]));
    if (json)
      object[kConfigFieldNames[f]] = value;
    else
      out << kConfigFieldNames[f] << '=' << value << '\n';
  }
  if (json) out << object.dump() << '\n';
  return 0;
}

}  // namespace kvx
