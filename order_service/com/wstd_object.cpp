// The COM object WSTD: reference counting, IDispatch through the member
// table, and the vtable methods of early-bound callers over the same path.
#include "order_service/com/wstd_object.h"

#include <algorithm>
#include <new>
#include <vector>

#include "order_service/com/dispatch_glue.h"
#include "order_service/com/module_state.h"
#include "order_service/member_table.h"

namespace order_service::com {
namespace {

// By-reference variants over an early-bound caller's arguments; a null
// pointer is an optional argument left out.
VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

template <typename T>
VARIANT Ref(VARTYPE vt, T* p) {
  if (!p) return Missing();
  VARIANT v;
  VariantInit(&v);
  v.vt = static_cast<VARTYPE>(VT_BYREF | vt);
  v.byref = p;
  return v;
}
VARIANT Ref(BSTR* p) { return Ref(VT_BSTR, p); }
// VARIANT_BOOL is a short: Booleans need a name of their own.
VARIANT RefBool(VARIANT_BOOL* p) { return Ref(VT_BOOL, p); }
VARIANT Ref(short* p) { return Ref(VT_I2, p); }
VARIANT Ref(LONG* p) { return Ref(VT_I4, p); }
VARIANT Ref(float* p) { return Ref(VT_R4, p); }
VARIANT Ref(double* p) { return Ref(VT_R8, p); }
VARIANT Ref(SAFEARRAY** p) { return Ref(VT_ARRAY | VT_VARIANT, p); }

// The result variant in the vtable's return type; result is emptied.
template <typename T>
HRESULT TakeResult(VARIANT& result, VARTYPE vt, T* out, T VARIANT::*field) {
  HRESULT hr = VariantChangeType(&result, &result, 0, vt);
  if (FAILED(hr)) {
    VariantClear(&result);
    return hr;
  }
  *out = result.*field;
  VariantInit(&result);
  return S_OK;
}
HRESULT Take(VARIANT& r, BSTR* out) { return TakeResult(r, VT_BSTR, out, &VARIANT::bstrVal); }
HRESULT Take(VARIANT& r, VARIANT_BOOL* out) { return TakeResult(r, VT_BOOL, out, &VARIANT::boolVal); }
HRESULT Take(VARIANT& r, LONG* out) { return TakeResult(r, VT_I4, out, &VARIANT::lVal); }
HRESULT Take(VARIANT& r, float* out) { return TakeResult(r, VT_R4, out, &VARIANT::fltVal); }
HRESULT Take(VARIANT& r, IDispatch** out) {
  if (r.vt == VT_UNKNOWN) {  // an object set as IUnknown: hand out its IDispatch when it has one
    IUnknown* unknown = r.punkVal;
    HRESULT hr = unknown ? unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(out)) : S_OK;
    if (!unknown) *out = nullptr;
    VariantClear(&r);
    return hr;
  }
  return TakeResult(r, VT_DISPATCH, out, &VARIANT::pdispVal);
}

// Error information for an early-bound caller (what Err shows in VBA).
HRESULT RaiseError(EXCEPINFO& e) {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(IID__WSTD);
    create->SetSource(e.bstrSource);
    create->SetDescription(e.bstrDescription);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  HRESULT hr = FAILED(e.scode) ? e.scode : E_FAIL;
  SysFreeString(e.bstrSource);
  SysFreeString(e.bstrDescription);
  SysFreeString(e.bstrHelpFile);
  return hr;
}

}  // namespace

HRESULT WstdObject::Create(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  WstdObject* object = new (std::nothrow) WstdObject();
  if (!object) return E_OUTOFMEMORY;
  HRESULT hr = object->QueryInterface(riid, out);
  object->Release();
  return hr;
}

WstdObject::WstdObject() { ObjectCreated(); }
WstdObject::~WstdObject() { ObjectDestroyed(); }

HRESULT STDMETHODCALLTYPE WstdObject::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID__WSTD)) {
    *out = static_cast<_WSTD*>(this);
  } else if (IsEqualIID(riid, IID_ISupportErrorInfo)) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE WstdObject::AddRef() { return InterlockedIncrement(&refs_); }

ULONG STDMETHODCALLTYPE WstdObject::Release() {
  ULONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE WstdObject::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID__WSTD) ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE WstdObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE WstdObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return WstdTypeInfo(info);
}

HRESULT STDMETHODCALLTYPE WstdObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                                    DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return DispatchGetIDsOfNames(Members(), names, count, ids);
}

HRESULT STDMETHODCALLTYPE WstdObject::Invoke(DISPID dispid, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                             VARIANT* result, EXCEPINFO* excep, UINT* arg_err) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  return DispatchInvoke(Members(), core_, dispid, flags, params, result, excep, arg_err);
}

HRESULT WstdObject::Call(const char16_t* name, WORD flags, std::initializer_list<VARIANT> args, VARIANT* result) {
  const MemberSpec* member = FindMember(name);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  // DISPPARAMS holds the arguments last to first.
  std::vector<VARIANT> reversed(args.begin(), args.end());
  std::reverse(reversed.begin(), reversed.end());
  DISPID put_id = DISPID_PROPERTYPUT;
  const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  DISPPARAMS params{reversed.data(), put ? &put_id : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  EXCEPINFO excep{};
  UINT arg_err = 0;
  HRESULT hr = DispatchInvoke(Members(), core_, member->dispid, flags, &params, result, &excep, &arg_err);
  if (hr == DISP_E_EXCEPTION) return RaiseError(excep);
  return hr;
}

template <typename T>
HRESULT WstdObject::CallFor(const char16_t* name, std::initializer_list<VARIANT> args, T* ret) {
  if (!ret) return E_POINTER;
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = Call(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, &result);
  if (FAILED(hr)) {
    VariantClear(&result);
    return hr;
  }
  return Take(result, ret);
}

HRESULT WstdObject::PutValue(const char16_t* name, WORD flags, const VARIANT& value) {
  return Call(name, flags, {value}, nullptr);
}

namespace {
VARIANT ByValue(BSTR s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = s;
  return v;
}
VARIANT ByValue(IDispatch* d) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = d;
  return v;
}
}  // namespace

// Properties.
HRESULT STDMETHODCALLTYPE WstdObject::get_cn(IDispatch** v) { return CallFor(u"cn", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::putref_cn(IDispatch* v) { return PutValue(u"cn", DISPATCH_PROPERTYPUTREF, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_RS(IDispatch** v) { return CallFor(u"RS", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::putref_RS(IDispatch* v) { return PutValue(u"RS", DISPATCH_PROPERTYPUTREF, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_mstream(IDispatch** v) { return CallFor(u"mstream", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::putref_mstream(IDispatch* v) {
  return PutValue(u"mstream", DISPATCH_PROPERTYPUTREF, ByValue(v));
}
HRESULT STDMETHODCALLTYPE WstdObject::get_CFG_SQLsvr(BSTR* v) { return CallFor(u"CFG_SQLsvr", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_CFG_SQLsvr(BSTR v) { return PutValue(u"CFG_SQLsvr", DISPATCH_PROPERTYPUT, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_CFG_SQLUme(BSTR* v) { return CallFor(u"CFG_SQLUme", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_CFG_SQLUme(BSTR v) { return PutValue(u"CFG_SQLUme", DISPATCH_PROPERTYPUT, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_CFG_SQLPwd(BSTR* v) { return CallFor(u"CFG_SQLPwd", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_CFG_SQLPwd(BSTR v) { return PutValue(u"CFG_SQLPwd", DISPATCH_PROPERTYPUT, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_CFG_SQLDataName(BSTR* v) { return CallFor(u"CFG_SQLDataName", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_CFG_SQLDataName(BSTR v) {
  return PutValue(u"CFG_SQLDataName", DISPATCH_PROPERTYPUT, ByValue(v));
}
HRESULT STDMETHODCALLTYPE WstdObject::get_ListNames(BSTR* v) { return CallFor(u"ListNames", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_ListNames(BSTR v) { return PutValue(u"ListNames", DISPATCH_PROPERTYPUT, ByValue(v)); }
HRESULT STDMETHODCALLTYPE WstdObject::get_ListUser(BSTR* v) { return CallFor(u"ListUser", {}, v); }
HRESULT STDMETHODCALLTYPE WstdObject::put_ListUser(BSTR v) { return PutValue(u"ListUser", DISPATCH_PROPERTYPUT, ByValue(v)); }

// Methods.
HRESULT STDMETHODCALLTYPE WstdObject::WStoudiEX(BSTR* Codes, BSTR* fnames, BSTR* AB, BSTR* FM, BSTR* Heshu,
                                                BSTR* ks, BSTR* ZW, BSTR* Notes, BSTR* RePr, BSTR* BarCodes,
                                                BSTR* ProTYPE, VARIANT_BOOL* LockPrice, BSTR* HJGx, float* Mony,
                                                BSTR* WAIX, float* Tones, VARIANT_BOOL* JISHUAN, float* CHENBEN,
                                                BSTR* ret) {
  return CallFor(u"WStoudiEX",
                 {Ref(Codes), Ref(fnames), Ref(AB), Ref(FM), Ref(Heshu), Ref(ks), Ref(ZW), Ref(Notes), Ref(RePr),
                  Ref(BarCodes), Ref(ProTYPE), RefBool(LockPrice), Ref(HJGx), Ref(Mony), Ref(WAIX), Ref(Tones),
                  RefBool(JISHUAN), Ref(CHENBEN)},
                 ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::LoadCfgINI(VARIANT_BOOL* ret) { return CallFor(u"LoadCfgINI", {}, ret); }
HRESULT STDMETHODCALLTYPE WstdObject::WSGetuserPon(BSTR* kwd, BSTR* ret) {
  return CallFor(u"WSGetuserPon", {Ref(kwd)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetHideuser(BSTR* HidU, BSTR* ret) {
  return CallFor(u"GetHideuser", {Ref(HidU)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::WSView(BSTR* kwd, SAFEARRAY** KwdR) {
  return Call(u"WSView", DISPATCH_METHOD, {Ref(kwd), Ref(KwdR)}, nullptr);
}
HRESULT STDMETHODCALLTYPE WstdObject::HELPView(BSTR* kwd, SAFEARRAY** KwdR) {
  return Call(u"HELPView", DISPATCH_METHOD, {Ref(kwd), Ref(KwdR)}, nullptr);
}
HRESULT STDMETHODCALLTYPE WstdObject::Code2Names(BSTR* kwd, BSTR* ret) {
  return CallFor(u"Code2Names", {Ref(kwd)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::DELrecd(BSTR* kwd, VARIANT_BOOL* ret) {
  return CallFor(u"DELrecd", {Ref(kwd)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::REGSQL_User(BSTR* UserName, BSTR* UseCode, BSTR* Pwd, BSTR* TEL, BSTR* ADDs,
                                                  BSTR* human, BSTR* WULIU, BSTR* VIP, BSTR* QQMSN, BSTR* City,
                                                  BSTR* Area, BSTR* Server, VARIANT_BOOL* AutoBC, BSTR* ret) {
  return CallFor(u"REGSQL_User",
                 {Ref(UserName), Ref(UseCode), Ref(Pwd), Ref(TEL), Ref(ADDs), Ref(human), Ref(WULIU), Ref(VIP),
                  Ref(QQMSN), Ref(City), Ref(Area), Ref(Server), RefBool(AutoBC)},
                 ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetPvcInfo(BSTR* ret) { return CallFor(u"GetPvcInfo", {}, ret); }
HRESULT STDMETHODCALLTYPE WstdObject::GetTZZInfo(BSTR* ret) { return CallFor(u"GetTZZInfo", {}, ret); }
HRESULT STDMETHODCALLTYPE WstdObject::ReadSQL_CaseTJYP(BSTR* PDU_Name, BSTR* SuM, BSTR* ListNames, short* TYPES,
                                                       BSTR* HG, BSTR* User, BSTR* ks, BSTR* ZW, BSTR* ret) {
  return CallFor(u"ReadSQL_CaseTJYP",
                 {Ref(PDU_Name), Ref(SuM), Ref(ListNames), Ref(TYPES), Ref(HG), Ref(User), Ref(ks), Ref(ZW)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetBGJpriceType(BSTR* ST, BSTR* Inp, BSTR* ret) {
  return CallFor(u"GetBGJpriceType", {Ref(ST), Ref(Inp)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetVIP(BSTR* ST, LONG* P, BSTR* ret) {
  return CallFor(u"GetVIP", {Ref(ST), Ref(P)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::LoadVIPs(SAFEARRAY** RE) {
  return Call(u"LoadVIPs", DISPATCH_METHOD, {Ref(RE)}, nullptr);
}
HRESULT STDMETHODCALLTYPE WstdObject::DMpaperEX(BSTR* Codes, BSTR* ks, BSTR* Kg, BSTR* Counts, BSTR* DSM,
                                                BSTR* ret) {
  return CallFor(u"DMpaperEX", {Ref(Codes), Ref(ks), Ref(Kg), Ref(Counts), Ref(DSM)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetLong(double* X, LONG* ret) { return CallFor(u"GetLong", {Ref(X)}, ret); }
HRESULT STDMETHODCALLTYPE WstdObject::UsePaper(BSTR* User, BSTR* Ptype, BSTR* Pname, LONG* Counts, BSTR* BANNo,
                                               BSTR* ks, BSTR* ret) {
  return CallFor(u"UsePaper", {Ref(User), Ref(Ptype), Ref(Pname), Ref(Counts), Ref(BANNo), Ref(ks)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::PBinfoReJ(BSTR* BC, BSTR* CNPY, BSTR* Use, BSTR* BCD, BSTR* DT, BSTR* ct,
                                                BSTR* ks, BSTR* kz, BSTR* dzs, BSTR* JXIN, float* Pprc,
                                                VARIANT_BOOL* CVD, BSTR* ret) {
  return CallFor(u"PBinfoReJ",
                 {Ref(BC), Ref(CNPY), Ref(Use), Ref(BCD), Ref(DT), Ref(ct), Ref(ks), Ref(kz), Ref(dzs), Ref(JXIN),
                  Ref(Pprc), RefBool(CVD)},
                 ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::PaperSAVING(BSTR* User, BSTR* Ptype, BSTR* Pname, LONG* Pcount, float* ret) {
  return CallFor(u"PaperSAVING", {Ref(User), Ref(Ptype), Ref(Pname), Ref(Pcount)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::PBinfoCHK(BSTR* CNPY, BSTR* ct, BSTR* JXIN, BSTR* ret) {
  return CallFor(u"PBinfoCHK", {Ref(CNPY), Ref(ct), Ref(JXIN)}, ret);
}
HRESULT STDMETHODCALLTYPE WstdObject::GetKWD(BSTR* ST, LONG* P, BSTR* SNC, BSTR* ret) {
  return CallFor(u"GetKWD", {Ref(ST), Ref(P), Ref(SNC)}, ret);
}

}  // namespace order_service::com
