// Placing values into statement text safely: quoted texts with their single
// quotes doubled, bare values only when they are plain number texts.
#pragma once

#include <stdexcept>
#include <string_view>

#include "common/text.h"

namespace order_service {

using common::Text;

// A value that cannot be placed into a statement; carries the description
// the failing method reports, as a database error would.
class StatementValueError : public std::runtime_error {
 public:
  explicit StatementValueError(const Text& description)
      : std::runtime_error(common::ToUtf8(description)), description_(description) {}
  const Text& description() const { return description_; }

 private:
  Text description_;
};

// value between single quotes, each single quote inside it doubled, so the
// database stores it exactly as typed.
Text Quoted(std::u16string_view value);

// True when s is a decimal number as both SQL dialects read a bare literal:
// optional sign, digits with an optional decimal point, optional exponent
// with E; no spaces, no other characters.
bool IsNumberText(std::u16string_view s);

// value without its surrounding spaces, for placing bare; throws
// StatementValueError when it is not a number text.
Text BareNumber(std::u16string_view value);

}  // namespace order_service
