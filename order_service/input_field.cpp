// The first comma-separated field of a text file.
#include "order_service/input_field.h"

namespace order_service {

common::Text ReadFirstField(std::u16string_view content) {
  size_t i = 0;
  while (i < content.size() && content[i] == u' ') ++i;
  if (i < content.size() && content[i] == u'"') {
    const size_t close = content.find(u'"', i + 1);
    return common::Text(content.substr(i + 1, close == std::u16string_view::npos ? close : close - i - 1));
  }
  const size_t end = content.find_first_of(u",\r\n", i);
  return common::Text(content.substr(i, end == std::u16string_view::npos ? end : end - i));
}

}  // namespace order_service
