// Code page 936 (GBK), the system's ANSI code page for files, datagrams and the registry.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace common {

// Bytes in code page 936 to UTF-16. A byte sequence without a mapping becomes
// U+003F ('?') per undecodable byte, as the platform's conversion does.
Text FromCp936(std::string_view bytes);

// UTF-16 to code page 936. A character without a mapping becomes '?'.
std::string ToCp936(std::u16string_view s);

}  // namespace common
