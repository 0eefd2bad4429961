// VARIANT <-> boundary values with the system's conversion rules.
#include "order_service/com/variant_values.h"

#include <new>

#include "common/numbers.h"
#include "common/script_error.h"
#include "order_service/com/com_object_ref.h"
#include "order_service/com/service_object_dispatch.h"

namespace order_service::com {
namespace {

using common::ScriptError;

// Texts are read as numbers the way the system writes them: "." as decimal point.
constexpr LCID kNumberLocale = 0x409;

ScriptError InvalidUseOfNull() { return ScriptError(94, "Invalid use of Null"); }
ScriptError ArrayLocked() { return ScriptError(10, "This array is fixed or temporarily locked"); }

// A by-value copy of v with every by-reference level resolved; cleared on exit.
class PlainVariant {
 public:
  explicit PlainVariant(const VARIANT& v) {
    VariantInit(&v_);
    HRESULT hr = VariantCopyInd(&v_, const_cast<VARIANT*>(&v));
    if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
    if (FAILED(hr)) throw ScriptError::TypeMismatch();
  }
  ~PlainVariant() { VariantClear(&v_); }
  PlainVariant(const PlainVariant&) = delete;
  PlainVariant& operator=(const PlainVariant&) = delete;
  const VARIANT& get() const { return v_; }

 private:
  VARIANT v_;
};

// Converts with the platform's coercion; failures become the macro's errors.
void ChangeType(VARIANT* out, const VARIANT& in, VARTYPE vt) {
  HRESULT hr = VariantChangeTypeEx(out, const_cast<VARIANT*>(&in), kNumberLocale, 0, vt);
  if (SUCCEEDED(hr)) return;
  if (hr == DISP_E_OVERFLOW) throw ScriptError::Overflow();
  if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
  throw ScriptError::TypeMismatch();
}

bool IsNumeric(VARTYPE vt) {
  switch (vt) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
    case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: case VT_DATE:
      return true;
    default:
      return false;
  }
}

double ToDouble(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return 0;
    case VT_NULL: throw InvalidUseOfNull();
    case VT_BOOL: return v.boolVal ? -1 : 0;
    case VT_R8: return v.dblVal;
    case VT_R4: return v.fltVal;
    case VT_BSTR:
    default:
      if (v.vt != VT_BSTR && !IsNumeric(v.vt)) throw ScriptError::TypeMismatch();
      VARIANT d;
      VariantInit(&d);
      ChangeType(&d, v, VT_R8);
      return d.dblVal;
  }
}

Text ToText(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return Text();
    case VT_NULL: throw InvalidUseOfNull();
    case VT_BSTR: return TextFromBstr(v.bstrVal);
    case VT_BOOL: return v.boolVal ? u"True" : u"False";
    case VT_R4: return common::SingleText(v.fltVal);
    case VT_R8: return common::DoubleText(v.dblVal);
    default: {
      if (!IsNumeric(v.vt)) throw ScriptError::TypeMismatch();
      VARIANT s;
      VariantInit(&s);
      ChangeType(&s, v, VT_BSTR);
      Text t = TextFromBstr(s.bstrVal);
      VariantClear(&s);
      return t;
    }
  }
}

bool ToBoolean(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return false;
    case VT_NULL: throw InvalidUseOfNull();
    case VT_BOOL: return v.boolVal != VARIANT_FALSE;
    case VT_BSTR: {
      VARIANT b;
      VariantInit(&b);
      ChangeType(&b, v, VT_BOOL);
      return b.boolVal != VARIANT_FALSE;
    }
    default:
      return ToDouble(v) != 0;
  }
}

Object ToObject(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return nullptr;
    case VT_DISPATCH:
      if (!v.pdispVal) return nullptr;
      // One of the service's own objects comes back as itself.
      if (auto own = ServiceObjectBehind(v.pdispVal)) return own;
      return std::make_shared<ComObjectRef>(v.pdispVal, true);
    case VT_UNKNOWN:
      return v.punkVal ? std::make_shared<ComObjectRef>(v.punkVal, false) : nullptr;
    default:
      throw ScriptError::TypeMismatch();
  }
}

std::shared_ptr<VariantArray> ToArray(const VARIANT& v) {
  if (v.vt != (VT_ARRAY | VT_VARIANT)) throw ScriptError::TypeMismatch();
  auto out = std::make_shared<VariantArray>();
  SAFEARRAY* sa = v.parray;
  if (!sa) return out;  // declared but never dimensioned
  if (SafeArrayGetDim(sa) != 1) throw ScriptError::TypeMismatch();
  LONG lo = 0, hi = -1;
  SafeArrayGetLBound(sa, 1, &lo);
  SafeArrayGetUBound(sa, 1, &hi);
  out->lbound = lo;
  VARIANT* items = nullptr;
  if (FAILED(SafeArrayAccessData(sa, reinterpret_cast<void**>(&items)))) throw ArrayLocked();
  try {
    for (LONG i = 0; i <= hi - lo; ++i) out->items.push_back(NaturalValue(items[i]));
  } catch (...) {
    SafeArrayUnaccessData(sa);
    throw;
  }
  SafeArrayUnaccessData(sa);
  return out;
}

SAFEARRAY* ArrayToSafeArray(const VariantArray& array) {
  SAFEARRAYBOUND bound;
  bound.lLbound = array.lbound;
  bound.cElements = static_cast<ULONG>(array.items.size());
  SAFEARRAY* sa = SafeArrayCreate(VT_VARIANT, 1, &bound);
  if (!sa) throw std::bad_alloc();
  VARIANT* items = nullptr;
  SafeArrayAccessData(sa, reinterpret_cast<void**>(&items));
  try {
    for (size_t i = 0; i < array.items.size(); ++i) ValueToVariant(array.items[i], &items[i]);
  } catch (...) {
    SafeArrayUnaccessData(sa);
    SafeArrayDestroy(sa);
    throw;
  }
  SafeArrayUnaccessData(sa);
  return sa;
}

// The parameter type that stands for a by-reference argument's own type.
ValueType TypeOfReference(VARTYPE vt) {
  switch (vt & ~VT_BYREF) {
    case VT_BSTR: return ValueType::String;
    case VT_BOOL: return ValueType::Boolean;
    case VT_I2: return ValueType::Int16;
    case VT_I4: return ValueType::Int32;
    case VT_R4: return ValueType::Single;
    case VT_R8: return ValueType::Double;
    case VT_ARRAY | VT_VARIANT: return ValueType::VariantArray;
    case VT_DISPATCH: case VT_UNKNOWN: return ValueType::Object;
    default: throw ScriptError::TypeMismatch();
  }
}

}  // namespace

Text TextFromBstr(const BSTR s) {
  if (!s) return Text();
  return Text(reinterpret_cast<const char16_t*>(s), SysStringLen(s));
}

BSTR BstrFromText(const Text& text) {
  BSTR s = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  if (!s) throw std::bad_alloc();
  return s;
}

bool IsMissing(const VARIANT& v) {
  const VARIANT* p = &v;
  while (p->vt == (VT_BYREF | VT_VARIANT) && p->pvarVal) p = p->pvarVal;
  if (p->vt == VT_ERROR) return p->scode == DISP_E_PARAMNOTFOUND;
  if (p->vt == (VT_BYREF | VT_ERROR)) return p->pscode && *p->pscode == DISP_E_PARAMNOTFOUND;
  return false;
}

Value ValueFromVariant(const VARIANT& v, ValueType type) {
  PlainVariant plain(v);
  const VARIANT& p = plain.get();
  switch (type) {
    case ValueType::String: return ToText(p);
    case ValueType::Boolean: return ToBoolean(p);
    case ValueType::Int16: return common::ToInteger(ToDouble(p));
    case ValueType::Int32: return common::ToLong(ToDouble(p));
    case ValueType::Single: return p.vt == VT_R4 ? p.fltVal : common::ToSingle(ToDouble(p));
    case ValueType::Double: return ToDouble(p);
    case ValueType::VariantArray: return ToArray(p);
    case ValueType::Object: return ToObject(p);
    case ValueType::None: break;
  }
  throw ScriptError::TypeMismatch();
}

Value NaturalValue(const VARIANT& v) {
  PlainVariant plain(v);
  const VARIANT& p = plain.get();
  switch (p.vt) {
    // Null has no counterpart among the boundary values; the arrays that
    // carry elements in are the ones a method fills, so Empty is kept.
    case VT_EMPTY: case VT_NULL: return std::monostate{};
    case VT_BSTR: return TextFromBstr(p.bstrVal);
    case VT_BOOL: return p.boolVal != VARIANT_FALSE;
    case VT_I1: return static_cast<int16_t>(p.cVal);
    case VT_UI1: return static_cast<int16_t>(p.bVal);
    case VT_I2: return static_cast<int16_t>(p.iVal);
    case VT_UI2: return static_cast<int32_t>(p.uiVal);
    case VT_I4: return static_cast<int32_t>(p.lVal);
    case VT_INT: return static_cast<int32_t>(p.intVal);
    case VT_R4: return p.fltVal;
    case VT_R8: return p.dblVal;
    case VT_DISPATCH: case VT_UNKNOWN: return ToObject(p);
    case VT_ARRAY | VT_VARIANT: return ToArray(p);
    default:
      if (IsNumeric(p.vt)) return ToDouble(p);  // wide integers, currency, decimal, dates
      throw ScriptError::TypeMismatch();
  }
}

void ValueToVariant(const Value& value, VARIANT* out) {
  VariantInit(out);
  if (const auto* t = std::get_if<Text>(&value)) {
    out->bstrVal = BstrFromText(*t);
    out->vt = VT_BSTR;
  } else if (const auto* b = std::get_if<bool>(&value)) {
    out->vt = VT_BOOL;
    out->boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const auto* i = std::get_if<int16_t>(&value)) {
    out->vt = VT_I2;
    out->iVal = *i;
  } else if (const auto* l = std::get_if<int32_t>(&value)) {
    out->vt = VT_I4;
    out->lVal = *l;
  } else if (const auto* f = std::get_if<float>(&value)) {
    out->vt = VT_R4;
    out->fltVal = *f;
  } else if (const auto* d = std::get_if<double>(&value)) {
    out->vt = VT_R8;
    out->dblVal = *d;
  } else if (const auto* a = std::get_if<std::shared_ptr<VariantArray>>(&value)) {
    out->parray = *a ? ArrayToSafeArray(**a) : ArrayToSafeArray(VariantArray{});
    out->vt = VT_ARRAY | VT_VARIANT;
  } else if (const auto* o = std::get_if<Object>(&value)) {
    if (!*o) {
      out->vt = VT_DISPATCH;  // Nothing
      out->pdispVal = nullptr;
      return;
    }
    if (auto own = std::dynamic_pointer_cast<ServiceObject>(*o)) {
      out->vt = VT_DISPATCH;
      out->pdispVal = DispatchForServiceObject(own);
      return;
    }
    const auto* held = dynamic_cast<const ComObjectRef*>(o->get());
    if (!held) throw ScriptError::NotImplemented();  // no COM face for this kind of object
    held->Get()->AddRef();
    if (held->IsDispatch()) {
      out->vt = VT_DISPATCH;
      out->pdispVal = static_cast<IDispatch*>(held->Get());
    } else {
      out->vt = VT_UNKNOWN;
      out->punkVal = held->Get();
    }
  }
  // Empty stays VT_EMPTY.
}

VARIANT PrepareWriteBack(const Value& value, const VARIANT& byref) {
  VARIANT natural;
  ValueToVariant(value, &natural);
  if (byref.vt == (VT_BYREF | VT_VARIANT)) return natural;
  // A typed reference keeps its type: convert through that type's rules.
  ValueType type = TypeOfReference(byref.vt);
  if (type == ValueType::VariantArray && byref.pparray && *byref.pparray) {
    const SAFEARRAY* old = *byref.pparray;
    if (old->cLocks > 0 || (old->fFeatures & (FADF_FIXEDSIZE | FADF_STATIC | FADF_EMBEDDED | FADF_AUTO))) {
      VariantClear(&natural);
      throw ArrayLocked();
    }
  }
  Value converted;
  try {
    converted = ValueFromVariant(natural, type);
  } catch (...) {
    VariantClear(&natural);
    throw;
  }
  VariantClear(&natural);
  VARIANT prepared;
  ValueToVariant(converted, &prepared);
  return prepared;
}

void CommitWriteBack(VARIANT& prepared, VARIANT* byref) {
  switch (byref->vt) {
    case VT_BYREF | VT_VARIANT:
      VariantClear(byref->pvarVal);
      *byref->pvarVal = prepared;
      break;
    case VT_BYREF | VT_BSTR:
      SysFreeString(*byref->pbstrVal);
      *byref->pbstrVal = prepared.bstrVal;
      break;
    case VT_BYREF | VT_BOOL: *byref->pboolVal = prepared.boolVal; break;
    case VT_BYREF | VT_I2: *byref->piVal = prepared.iVal; break;
    case VT_BYREF | VT_I4: *byref->plVal = prepared.lVal; break;
    case VT_BYREF | VT_R4: *byref->pfltVal = prepared.fltVal; break;
    case VT_BYREF | VT_R8: *byref->pdblVal = prepared.dblVal; break;
    case VT_BYREF | VT_ARRAY | VT_VARIANT:
      if (*byref->pparray) SafeArrayDestroy(*byref->pparray);
      *byref->pparray = prepared.parray;
      break;
    case VT_BYREF | VT_DISPATCH:
    case VT_BYREF | VT_UNKNOWN: {
      IUnknown** slot = reinterpret_cast<IUnknown**>(byref->ppunkVal);
      if (*slot) (*slot)->Release();
      *slot = prepared.punkVal;
      break;
    }
    default:
      VariantClear(&prepared);  // PrepareWriteBack refuses these; nothing to store
      return;
  }
  VariantInit(&prepared);  // ownership moved into the argument
}

}  // namespace order_service::com
