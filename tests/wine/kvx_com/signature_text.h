// Members of the interface written as IDL-like signature lines, from the type
// library and from the member table, so the two and the expected interface can
// be compared line by line with readable differences.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "order_service/member_table.h"

namespace kvx_test {

struct Signature {
  long dispid;
  std::wstring text;  // e.g. L"GetLong([in, out] double* X, [out, retval] long* ret)"
  bool operator==(const Signature& o) const { return dispid == o.dispid && text == o.text; }
};

// Every function of the interface type info, in vtable order.
std::vector<Signature> TypeLibrarySignatures(ITypeInfo* interface_info);

// Every member of the table, properties as their get and put (or putref) pair.
std::vector<Signature> MemberTableSignatures(const std::vector<order_service::MemberSpec>& members);

}  // namespace kvx_test
