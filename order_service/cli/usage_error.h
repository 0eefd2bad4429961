// A command line or script that kvx cannot run as written (exit status 2).
#pragma once

#include <stdexcept>
#include <string>

namespace kvx {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kvx
