// IDispatch for the service object, driven by a member table: names to
// dispatch identifiers, and Invoke from what real callers send to a core call
// and back, with changed by-reference arguments written back.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "order_service/member_table.h"

namespace order_service::com {

// Source named in the error information of failed calls.
inline constexpr wchar_t kErrorSource[] = L"VORE.WSTD";

// Member names (first) and named parameters (the rest), case-insensitively.
HRESULT DispatchGetIDsOfNames(const std::vector<MemberSpec>& members, LPOLESTR* names, UINT count,
                              DISPID* ids);

// Invokes member dispid on target. Accepts typed by-reference values,
// by-reference variants, by-value values and missing optional arguments
// (VT_ERROR / DISP_E_PARAMNOTFOUND, which take the table's default), in
// positional or named form. A failed call returns DISP_E_EXCEPTION with the
// error number and description in excep (when given).
HRESULT DispatchInvoke(const std::vector<MemberSpec>& members, Wstd& target, DISPID dispid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, UINT* arg_err);

}  // namespace order_service::com
