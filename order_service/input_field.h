// Reading the first field of a text file the way the platform's sequential
// input statement reads one comma-separated field.
#pragma once

#include "common/text.h"

namespace order_service {

// Leading spaces are skipped; a field that opens with a double quote runs to
// the closing quote (or the end) and loses its quotes; any other field ends at
// the first comma, carriage return or line feed.
common::Text ReadFirstField(std::u16string_view content);

}  // namespace order_service
