// VARIANT <-> boundary values: the coercions a late-bound caller's arguments
// go through, with the system's number rules, and the write-back of changed
// by-reference arguments in the caller's own type.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "order_service/member_table.h"
#include "order_service/value.h"

namespace order_service::com {

// COM strings: a null BSTR is the empty text. BstrFromText throws
// std::bad_alloc when the string cannot be allocated.
Text TextFromBstr(const BSTR s);
BSTR BstrFromText(const Text& text);

// True for an argument the caller left out: VT_ERROR holding
// DISP_E_PARAMNOTFOUND, directly or behind a by-reference variant.
bool IsMissing(const VARIANT& v);

// The argument as a value of the parameter's type, by the platform's rules:
// texts read as numbers with "." as decimal point, whole numbers rounded half
// to even, out-of-range results an overflow (6), anything unconvertible a type
// mismatch (13), Null an invalid use of Null (94). Throws common::ScriptError.
Value ValueFromVariant(const VARIANT& v, ValueType type);

// A variant's own value without a target type (elements of arrays).
Value NaturalValue(const VARIANT& v);

// The value as a new variant of its own type; out is overwritten, not cleared.
void ValueToVariant(const Value& value, VARIANT* out);

// Write-back of a changed by-reference argument, in two steps so that a value
// which does not fit leaves every argument untouched: PrepareWriteBack
// converts value to the type the caller passed (a by-reference variant takes
// the value's own type) and throws common::ScriptError when it does not fit;
// CommitWriteBack then replaces what the argument points at, releasing the
// old contents, and takes ownership of prepared.
VARIANT PrepareWriteBack(const Value& value, const VARIANT& byref);
void CommitWriteBack(VARIANT& prepared, VARIANT* byref);

}  // namespace order_service::com
