// Reading, decoding and writing the configuration file.
#include "order_service/config_file.h"

#include <stdexcept>

#include "common/codepage.h"
#include "order_service/config_codec.h"
#include "order_service/input_field.h"

namespace order_service {

Text ConfigFilePath(const Text& windows_directory) { return windows_directory + kConfigFileName; }

ConfigText ReadConfigText(Host& host, const Text& path) {
  const FileContents file = host.ReadNormalFile(path);
  if (file.status == FileStatus::NoFile) return {ConfigStatus::NoFile, {}};
  if (file.status == FileStatus::Unreadable) return {ConfigStatus::Unreadable, {}};
  const Text field = ReadFirstField(common::FromCp936(file.bytes));
  if (field.empty()) return {ConfigStatus::EmptyField, {}};
  Text text = DecodeCfgLine(field);
  if (text.empty()) return {ConfigStatus::Undecodable, {}};
  return {ConfigStatus::Ok, std::move(text)};
}

std::string BuildConfigFile(const ConfigFields& fields, uint32_t seed) {
  Text text;
  for (size_t i = 0; i < kConfigFieldCount; ++i) {
    const Text& f = fields[i];
    const std::string name = kConfigFieldNames[i];
    if (f.find(kConfigSeparator) != Text::npos)
      throw std::invalid_argument(name + " must not contain \"|\", which separates the fields");
    if (!f.empty() && (f.front() == u' ' || f.back() == u' '))
      throw std::invalid_argument(name + " must not begin or end with a space, which is dropped when read");
    if (i > 0) text += kConfigSeparator;
    text += f;
  }
  const Text line = EncodeCfgLine(text, seed);
  return common::ToCp936(line) + "\r\n";
}

}  // namespace order_service
