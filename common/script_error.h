// A run-time error of the calling macro's language, with the number and text a
// macro sees in Err.Number and Err.Description (6 "Overflow", 13 "Type mismatch").
#pragma once

#include <stdexcept>
#include <string>

namespace common {

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int number, const std::string& description_utf8)
      : std::runtime_error(description_utf8), number_(number) {}
  int number() const { return number_; }

  static ScriptError Overflow() { return ScriptError(6, "Overflow"); }
  static ScriptError TypeMismatch() { return ScriptError(13, "Type mismatch"); }
  // A member that is declared but not built yet (E_NOTIMPL through COM).
  static ScriptError NotImplemented() { return ScriptError(static_cast<int>(0x80004001u), "Not implemented"); }

 private:
  int number_;
};

}  // namespace common
