// LoadCfgINI: the configuration file into the configuration properties and the
// connection string.
#include "order_service/config_file.h"
#include "order_service/messages.h"
#include "order_service/wstd.h"

namespace order_service {

bool Wstd::LoadCfgINI() {
  const Text path = ConfigFilePath(host_.WindowsDirectory());
  const ConfigText cfg = ReadConfigText(host_, path);
  if (cfg.status == ConfigStatus::NoFile) {
    host_.ShowMessageBox(messages::kNoConfigFile, kMbIconInformation, messages::kDefaultCaption);
    return false;
  }
  if (cfg.status != ConfigStatus::Ok) return false;

  // Fields are stored one by one; when the text ends early the ones before
  // keep their new values and the connection string stays as it was.
  const std::vector<Text> fields = common::Split(cfg.text, kConfigSeparator);
  Text* const targets[kConfigFieldCount] = {&CFG_SQLsvr,      &CFG_SQLUme, &CFG_SQLPwd,
                                            &CFG_SQLDataName, &ListNames,  &ListUser};
  for (size_t i = 0; i < kConfigFieldCount; ++i) {
    if (i >= fields.size()) return false;
    *targets[i] = common::TrimSpaces(fields[i]);
  }

  conn_str_ = u"Provider=SQLOLEDB.1;Password=" + CFG_SQLPwd +
              u";Persist Security Info=True;User ID=" + CFG_SQLUme +
              u";Initial Catalog=" + CFG_SQLDataName + u";Data Source=" + CFG_SQLsvr;
  return true;
}

}  // namespace order_service
