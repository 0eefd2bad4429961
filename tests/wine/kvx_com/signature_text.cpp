// Renders type-library functions and member-table entries as signature lines.
#include "signature_text.h"

#include <cstdio>

#include "order_service/com/variant_values.h"

namespace kvx_test {
namespace {

using order_service::MemberKind;
using order_service::MemberSpec;
using order_service::ValueType;

std::wstring TypeText(const TYPEDESC& t) {
  switch (t.vt) {
    case VT_PTR: return TypeText(*t.lptdesc) + L"*";
    case VT_SAFEARRAY: return L"SAFEARRAY(" + TypeText(*t.lptdesc) + L")";
    case VT_BSTR: return L"BSTR";
    case VT_BOOL: return L"VARIANT_BOOL";
    case VT_I2: return L"short";
    case VT_I4: return L"long";
    case VT_R4: return L"float";
    case VT_R8: return L"double";
    case VT_VARIANT: return L"VARIANT";
    case VT_DISPATCH: return L"IDispatch*";
    case VT_UNKNOWN: return L"IUnknown*";
    default: return L"vt" + std::to_wstring(t.vt);
  }
}

std::wstring TypeText(ValueType t) {
  switch (t) {
    case ValueType::String: return L"BSTR";
    case ValueType::Boolean: return L"VARIANT_BOOL";
    case ValueType::Int16: return L"short";
    case ValueType::Int32: return L"long";
    case ValueType::Single: return L"float";
    case ValueType::Double: return L"double";
    case ValueType::VariantArray: return L"SAFEARRAY(VARIANT)";
    case ValueType::Object: return L"IDispatch*";
    case ValueType::None: break;
  }
  return L"?";
}

// Text defaults quoted, numbers and Booleans as numbers, each tagged with its type.
std::wstring DefaultText(const VARIANT& v) {
  if (v.vt == VT_BSTR) return L"\"" + std::wstring(v.bstrVal ? v.bstrVal : L"") + L"\"";
  VARIANT d;
  VariantInit(&d);
  if (FAILED(VariantChangeType(&d, const_cast<VARIANT*>(&v), 0, VT_R8))) return L"vt" + std::to_wstring(v.vt);
  wchar_t text[64];
  swprintf(text, 64, L"%g", d.dblVal);
  return text;
}

std::wstring ParamText(USHORT flags, const std::wstring& type, const std::wstring& name, const VARIANT* default_value) {
  std::wstring attrs;
  auto add = [&](const wchar_t* a) { attrs += (attrs.empty() ? L"" : L", ") + std::wstring(a); };
  if (flags & PARAMFLAG_FIN) add(L"in");
  if (flags & PARAMFLAG_FOUT) add(L"out");
  if (flags & PARAMFLAG_FRETVAL) add(L"retval");
  if (flags & PARAMFLAG_FOPT) add(L"optional");
  if (default_value) add((L"defaultvalue(" + DefaultText(*default_value) + L")").c_str());
  return L"[" + attrs + L"] " + type + L" " + name;
}

std::wstring KindText(INVOKEKIND kind) {
  switch (kind) {
    case INVOKE_PROPERTYGET: return L"propget ";
    case INVOKE_PROPERTYPUT: return L"propput ";
    case INVOKE_PROPERTYPUTREF: return L"propputref ";
    default: return L"";
  }
}

std::wstring Join(const std::vector<std::wstring>& parts) {
  std::wstring out;
  for (const auto& p : parts) out += (out.empty() ? L"" : L", ") + p;
  return out;
}

std::wstring Wide(const char16_t* s) { return std::wstring(s, s + std::char_traits<char16_t>::length(s)); }

}  // namespace

std::vector<Signature> TypeLibrarySignatures(ITypeInfo* info) {
  std::vector<Signature> out;
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return out;
  const WORD count = attr->cFuncs;
  info->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    FUNCDESC* f = nullptr;
    if (FAILED(info->GetFuncDesc(i, &f))) continue;
    BSTR names[40] = {};
    UINT named = 0;
    info->GetNames(f->memid, names, 40, &named);
    // A property's put shares its get's identifier; both name the value after the property.
    std::vector<std::wstring> params;
    for (SHORT p = 0; p < f->cParams; ++p) {
      const ELEMDESC& e = f->lprgelemdescParam[p];
      const USHORT flags = e.paramdesc.wParamFlags;
      const VARIANT* def = (flags & PARAMFLAG_FHASDEFAULT) && e.paramdesc.pparamdescex
                               ? &e.paramdesc.pparamdescex->varDefaultValue : nullptr;
      std::wstring name = (static_cast<UINT>(p) + 1 < named && names[p + 1]) ? names[p + 1] : (names[0] ? names[0] : L"");
      params.push_back(ParamText(flags, TypeText(e.tdesc), name, def));
    }
    // Each function's place in the vtable, after IDispatch's seven methods.
    const long slot = f->oVft / static_cast<long>(sizeof(void*)) - 7;
    std::wstring text = KindText(f->invkind) + (names[0] ? names[0] : L"") + L"(" + Join(params) + L")";
    if (slot != static_cast<long>(i)) text += L" at slot " + std::to_wstring(slot);
    out.push_back({f->memid, text});
    for (UINT n = 0; n < named; ++n) SysFreeString(names[n]);
    info->ReleaseFuncDesc(f);
  }
  return out;
}

std::vector<Signature> MemberTableSignatures(const std::vector<MemberSpec>& members) {
  std::vector<Signature> out;
  for (const MemberSpec& m : members) {
    const std::wstring name = Wide(m.name);
    const std::wstring type = TypeText(m.result);
    if (m.kind == MemberKind::Method) {
      std::vector<std::wstring> params;
      for (const auto& p : m.params) {
        VARIANT def;
        VariantInit(&def);
        if (p.optional) order_service::com::ValueToVariant(p.default_value, &def);
        params.push_back(ParamText(PARAMFLAG_FIN | PARAMFLAG_FOUT | (p.optional ? PARAMFLAG_FOPT : 0),
                                   TypeText(p.type) + L"*", Wide(p.name), p.optional ? &def : nullptr));
        VariantClear(&def);
      }
      if (m.result != ValueType::None)
        params.push_back(ParamText(PARAMFLAG_FOUT | PARAMFLAG_FRETVAL, type + L"*", L"ret", nullptr));
      out.push_back({m.dispid, name + L"(" + Join(params) + L")"});
      continue;
    }
    const bool object = m.kind == MemberKind::ObjectProperty;
    out.push_back({m.dispid, L"propget " + name + L"(" + ParamText(PARAMFLAG_FOUT | PARAMFLAG_FRETVAL, type + L"*", name, nullptr) + L")"});
    out.push_back({m.dispid, (object ? L"propputref " : L"propput ") + name + L"(" + ParamText(PARAMFLAG_FIN, type, name, nullptr) + L")"});
  }
  return out;
}

}  // namespace kvx_test
