// The words of one kvx script line.
#include "order_service/cli/line_tokens.h"

#include "order_service/cli/usage_error.h"

namespace kvx {

std::vector<std::string> SplitLine(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size() || line[i] == '#') break;
    std::string word;
    bool quoted = false;
    for (; i < line.size() && (quoted || !blank(line[i])); ++i) {
      const char c = line[i];
      if (quoted && c == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
        word += '"';
        ++i;
      } else if (c == '"') {
        quoted = !quoted;
      } else {
        word += c;
      }
    }
    if (quoted) throw UsageError("a double quote is not closed");
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace kvx
