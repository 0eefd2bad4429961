// The Windows directory without a trailing separator.
#pragma once

#include "common/text.h"

namespace common {

// On Windows the ANSI call into a 255-character buffer, cut at the first NUL
// and read in code page 936; elsewhere the WINDIR environment variable, or
// "/etc" when it is unset or empty.
Text GetSysDir();

}  // namespace common
