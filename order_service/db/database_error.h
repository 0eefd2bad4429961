// A failed database operation, carrying the driver's description text.
#pragma once

#include <stdexcept>

#include "common/text.h"

namespace order_service::db {

class DatabaseError : public std::runtime_error {
 public:
  explicit DatabaseError(const common::Text& description)
      : std::runtime_error(common::ToUtf8(description)), description_(description) {}
  // The text the service puts between the brackets of its failure results.
  const common::Text& description() const { return description_; }

 private:
  common::Text description_;
};

}  // namespace order_service::db
