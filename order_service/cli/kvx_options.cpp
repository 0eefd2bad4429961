// Reading kvx's global options.
#include "order_service/cli/kvx_options.h"

#include "common/date_time.h"
#include "order_service/cli/usage_error.h"

namespace kvx {

KvxOptions ParseKvxOptions(const std::vector<std::string>& args) {
  KvxOptions o;
  size_t i = 0;
  auto value = [&](const std::string& name) -> const std::string& {
    if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
    return args[++i];
  };
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--windir") {
      o.host.windows_directory = common::FromUtf8(value(a));
    } else if (a == "--now") {
      const std::string& v = value(a);
      o.host.now = common::ParseDateTime(common::FromUtf8(v));
      if (!o.host.now) throw UsageError("--now \"" + v + "\" is not a moment \"YYYY-MM-DD HH:MM:SS\"");
    } else if (a == "--answer") {
      const std::string& v = value(a);
      if (v != "ok" && v != "cancel") throw UsageError("--answer must be ok or cancel, not \"" + v + "\"");
      o.host.cancel = v == "cancel";
    } else if (a == "--json") {
      o.json = true;
    } else if (a.size() > 1 && a[0] == '-') {
      throw UsageError("unknown option " + a);
    } else {
      break;
    }
  }
  o.command.assign(args.begin() + static_cast<long>(i), args.end());
  if (o.command.empty()) throw UsageError("no command (config write, config read, call or run)");
  return o;
}

}  // namespace kvx
