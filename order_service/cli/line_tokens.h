// Splitting one line of a kvx script into its words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// Words are separated by spaces or tabs. Double quotes group a word that holds
// spaces or is empty, with \" for a quote inside; "#" at the start of a word
// ends the line. Throws UsageError for a quote that is not closed.
std::vector<std::string> SplitLine(std::string_view line);

}  // namespace kvx
