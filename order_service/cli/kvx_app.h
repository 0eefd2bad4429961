// The kvx tool as a function of its arguments and streams, so it can be run
// in-process by tests as well as from main.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kvx {

// args without the program name, in UTF-8. Returns the exit status: 0 when
// every call ran, 1 when a call raised an error or a file could not be
// handled, 2 for a usage error.
int RunKvx(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kvx
