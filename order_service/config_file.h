// The configuration file "\Qconfig.ini" in the Windows directory: where it
// lives, how its text is read and decoded, and how a new one is written.
#pragma once

#include <array>
#include <string>

#include "order_service/host.h"

namespace order_service {

inline constexpr char16_t kConfigFileName[] = u"\\Qconfig.ini";

// The decoded text holds six fields separated by kConfigSeparator, in this order.
inline constexpr char16_t kConfigSeparator[] = u"|";
inline constexpr size_t kConfigFieldCount = 6;
using ConfigFields = std::array<Text, kConfigFieldCount>;
// Short names of the fields for the administration tool, in file order.
inline constexpr std::array<const char*, kConfigFieldCount> kConfigFieldNames = {
    "server", "user", "password", "database", "orders", "customers"};

Text ConfigFilePath(const Text& windows_directory);

enum class ConfigStatus {
  Ok,
  NoFile,       // no normal file at the path
  Unreadable,   // the file could not be read
  EmptyField,   // its first field is empty
  Undecodable,  // the field does not decode to any text
};

struct ConfigText {
  ConfigStatus status = ConfigStatus::NoFile;
  Text text;  // the decoded text when status is Ok
};

// Reads the file through the host (code page 936), takes its first field and
// decodes it.
ConfigText ReadConfigText(Host& host, const Text& path);

// The bytes of a configuration file holding fields. Throws
// std::invalid_argument, naming the field, for a value that would not read
// back the same: one holding the separator or spaces at either end, or a text
// too long for the header window.
std::string BuildConfigFile(const ConfigFields& fields, uint32_t seed = 1);

}  // namespace order_service
