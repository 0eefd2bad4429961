// IDispatch driven by the member table: name lookup, argument binding and
// conversion, the core call, write-back of changed by-reference arguments,
// and failed calls as DISP_E_EXCEPTION.
#include "order_service/com/dispatch_glue.h"

#include <new>
#include <string>

#include "common/script_error.h"
#include "common/text.h"
#include "order_service/com/variant_values.h"

namespace order_service::com {
namespace {

using common::ScriptError;

constexpr WORD kCallFlags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

bool SameName(const char16_t* a, const wchar_t* b) {
  for (; *a && *b; ++a, ++b)
    if (FoldAscii(*a) != FoldAscii(static_cast<char16_t>(*b))) return false;
  return *a == 0 && *b == 0;
}

const MemberSpec* ByName(const std::vector<MemberSpec>& members, const wchar_t* name) {
  for (const MemberSpec& m : members)
    if (SameName(m.name, name)) return &m;
  return nullptr;
}

const MemberSpec* ById(const std::vector<MemberSpec>& members, DISPID id) {
  for (const MemberSpec& m : members)
    if (m.dispid == id) return &m;
  return nullptr;
}


// The macro's error number as the HRESULT a caller's Err object decodes:
// small numbers are the language's own errors (FACILITY_CONTROL), larger ones
// are HRESULTs already (E_NOTIMPL).
HRESULT ScodeOf(int number) {
  if (number > 0 && number <= 0xFFFF) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
  return static_cast<HRESULT>(number);
}

HRESULT Fail(EXCEPINFO* excep, HRESULT scode, const Text& description) {
  if (excep) {
    ZeroMemory(excep, sizeof *excep);
    excep->scode = scode;
    excep->bstrSource = SysAllocString(kErrorSource);
    excep->bstrDescription = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(description.data()),
                                               static_cast<UINT>(description.size()));
  }
  return DISP_E_EXCEPTION;
}

HRESULT Fail(EXCEPINFO* excep, const ScriptError& e) {
  return Fail(excep, ScodeOf(e.number()), common::FromUtf8(e.what()));
}

// For a by-reference variant that refers on to another reference, the
// innermost reference is the caller's storage.
VARIANT* Storage(VARIANT* arg) {
  while (arg->vt == (VT_BYREF | VT_VARIANT) && arg->pvarVal && (arg->pvarVal->vt & VT_BYREF)) arg = arg->pvarVal;
  return arg;
}

// One slot per parameter: the caller's argument, or nullptr when left out.
HRESULT BindArguments(const MemberSpec& m, DISPPARAMS* params, std::vector<VARIANT*>& slots, UINT* arg_err) {
  slots.assign(m.params.size(), nullptr);
  const UINT count = params ? params->cArgs : 0;
  const UINT named = params ? params->cNamedArgs : 0;
  if (count > m.params.size()) return DISP_E_BADPARAMCOUNT;
  for (UINT i = 0; i < named; ++i) {
    DISPID index = params->rgdispidNamedArgs[i];
    if (index < 0 || static_cast<size_t>(index) >= m.params.size() || slots[index]) {
      if (arg_err) *arg_err = i;
      return DISP_E_PARAMNOTFOUND;
    }
    slots[index] = &params->rgvarg[i];
  }
  for (UINT k = 0; k < count - named; ++k) {
    if (slots[k]) {  // given both by position and by name
      if (arg_err) *arg_err = count - 1 - k;
      return DISP_E_PARAMNOTFOUND;
    }
    slots[k] = &params->rgvarg[count - 1 - k];
  }
  return S_OK;
}

UINT RgvargIndex(DISPPARAMS* params, const VARIANT* slot) {
  return static_cast<UINT>(slot - params->rgvarg);
}

HRESULT InvokeMethod(const MemberSpec& m, Wstd& target, DISPPARAMS* params, VARIANT* result,
                     EXCEPINFO* excep, UINT* arg_err) {
  std::vector<VARIANT*> slots;
  HRESULT hr = BindArguments(m, params, slots, arg_err);
  if (FAILED(hr)) return hr;

  std::vector<Value> args(m.params.size());
  for (size_t i = 0; i < m.params.size(); ++i) {
    const ParamSpec& p = m.params[i];
    if (!slots[i] || IsMissing(*slots[i])) {
      if (!p.optional) {
        if (arg_err) *arg_err = slots[i] ? RgvargIndex(params, slots[i]) : 0;
        return DISP_E_PARAMNOTFOUND;
      }
      args[i] = p.default_value;
      slots[i] = nullptr;  // a default is never written back
      continue;
    }
    try {
      args[i] = ValueFromVariant(*slots[i], p.type);
    } catch (const ScriptError& e) {
      if (arg_err) *arg_err = RgvargIndex(params, slots[i]);
      return Fail(excep, e);
    }
  }

  std::vector<Value> before;
  before.reserve(args.size());
  for (const Value& v : args) before.push_back(DeepCopy(v));

  Value returned = m.call(target, args);

  // Convert every changed by-reference argument first, so that one which
  // does not fit the caller's type leaves all of them as they were.
  std::vector<std::pair<VARIANT*, VARIANT>> writes;
  try {
    for (size_t i = 0; i < args.size(); ++i) {
      if (!slots[i] || !(slots[i]->vt & VT_BYREF) || SameValue(before[i], args[i])) continue;
      VARIANT* storage = Storage(slots[i]);
      writes.emplace_back(storage, PrepareWriteBack(args[i], *storage));
    }
    if (result && m.result != ValueType::None) ValueToVariant(returned, result);
  } catch (...) {
    for (auto& w : writes) VariantClear(&w.second);
    throw;
  }
  for (auto& w : writes) CommitWriteBack(w.second, w.first);
  return S_OK;
}

HRESULT InvokeProperty(const MemberSpec& m, Wstd& target, WORD flags, DISPPARAMS* params, VARIANT* result,
                       EXCEPINFO* excep, UINT* arg_err) {
  const UINT count = params ? params->cArgs : 0;
  const WORD put_flag = m.kind == MemberKind::ObjectProperty ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  if (flags & put_flag) {
    if (count != 1) return DISP_E_BADPARAMCOUNT;
    Value v;
    try {
      v = ValueFromVariant(params->rgvarg[0], m.result);
    } catch (const ScriptError& e) {
      if (arg_err) *arg_err = 0;
      return Fail(excep, e);
    }
    m.put(target, v);
    return S_OK;
  }
  if (!(flags & kCallFlags)) return DISP_E_MEMBERNOTFOUND;
  if (count != 0) return DISP_E_BADPARAMCOUNT;
  if (result) ValueToVariant(m.get(target), result);
  return S_OK;
}

}  // namespace

HRESULT DispatchGetIDsOfNames(const std::vector<MemberSpec>& members, LPOLESTR* names, UINT count,
                              DISPID* ids) {
  if (count == 0) return S_OK;
  if (!names || !ids) return E_POINTER;
  const MemberSpec* m = ByName(members, names[0]);
  ids[0] = m ? m->dispid : DISPID_UNKNOWN;
  HRESULT hr = m ? S_OK : DISP_E_UNKNOWNNAME;
  for (UINT i = 1; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    if (!m) continue;
    for (size_t p = 0; p < m->params.size(); ++p)
      if (SameName(m->params[p].name, names[i])) ids[i] = static_cast<DISPID>(p);
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT DispatchInvoke(const std::vector<MemberSpec>& members, Wstd& target, DISPID dispid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, UINT* arg_err) {
  const MemberSpec* m = ById(members, dispid);
  if (!m) return DISP_E_MEMBERNOTFOUND;
  if (result) VariantInit(result);
  try {
    if (m->kind == MemberKind::Method) {
      if (!(flags & kCallFlags)) return DISP_E_MEMBERNOTFOUND;
      return InvokeMethod(*m, target, params, result, excep, arg_err);
    }
    return InvokeProperty(*m, target, flags, params, result, excep, arg_err);
  } catch (const ScriptError& e) {
    return Fail(excep, e);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    // Nothing else may cross the COM boundary as a C++ exception.
    return Fail(excep, E_FAIL, common::FromUtf8(e.what()));
  }
}

}  // namespace order_service::com
