// The COM object WSTD: the dual interface _WSTD over one service object.
// Late-bound calls go through the member table's dispatch glue; the vtable
// methods of early-bound callers turn their arguments into by-reference
// variants and take the very same path.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>

#include "kvx_idl.h"
#include "order_service/win32_host.h"
#include "order_service/wstd.h"

namespace order_service::com {

class WstdObject final : public _WSTD, public ISupportErrorInfo {
 public:
  // A new object, handed out through riid.
  static HRESULT Create(REFIID riid, void** out);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* arg_err) override;

  // _WSTD, in interface order
  HRESULT STDMETHODCALLTYPE get_cn(IDispatch** cn) override;
  HRESULT STDMETHODCALLTYPE putref_cn(IDispatch* cn) override;
  HRESULT STDMETHODCALLTYPE get_RS(IDispatch** RS) override;
  HRESULT STDMETHODCALLTYPE putref_RS(IDispatch* RS) override;
  HRESULT STDMETHODCALLTYPE get_mstream(IDispatch** mstream) override;
  HRESULT STDMETHODCALLTYPE putref_mstream(IDispatch* mstream) override;
  HRESULT STDMETHODCALLTYPE get_CFG_SQLsvr(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_CFG_SQLsvr(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_CFG_SQLUme(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_CFG_SQLUme(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_CFG_SQLPwd(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_CFG_SQLPwd(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_CFG_SQLDataName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_CFG_SQLDataName(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_ListNames(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_ListNames(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_ListUser(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_ListUser(BSTR value) override;
  HRESULT STDMETHODCALLTYPE WStoudiEX(BSTR* Codes, BSTR* fnames, BSTR* AB, BSTR* FM, BSTR* Heshu, BSTR* ks,
                                      BSTR* ZW, BSTR* Notes, BSTR* RePr, BSTR* BarCodes, BSTR* ProTYPE,
                                      VARIANT_BOOL* LockPrice, BSTR* HJGx, float* Mony, BSTR* WAIX,
                                      float* Tones, VARIANT_BOOL* JISHUAN, float* CHENBEN, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE LoadCfgINI(VARIANT_BOOL* ret) override;
  HRESULT STDMETHODCALLTYPE WSGetuserPon(BSTR* kwd, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetHideuser(BSTR* HidU, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE WSView(BSTR* kwd, SAFEARRAY** KwdR) override;
  HRESULT STDMETHODCALLTYPE HELPView(BSTR* kwd, SAFEARRAY** KwdR) override;
  HRESULT STDMETHODCALLTYPE Code2Names(BSTR* kwd, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE DELrecd(BSTR* kwd, VARIANT_BOOL* ret) override;
  HRESULT STDMETHODCALLTYPE REGSQL_User(BSTR* UserName, BSTR* UseCode, BSTR* Pwd, BSTR* TEL, BSTR* ADDs,
                                        BSTR* human, BSTR* WULIU, BSTR* VIP, BSTR* QQMSN, BSTR* City,
                                        BSTR* Area, BSTR* Server, VARIANT_BOOL* AutoBC, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetPvcInfo(BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetTZZInfo(BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE ReadSQL_CaseTJYP(BSTR* PDU_Name, BSTR* SuM, BSTR* ListNames, short* TYPES,
                                             BSTR* HG, BSTR* User, BSTR* ks, BSTR* ZW, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetBGJpriceType(BSTR* ST, BSTR* Inp, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetVIP(BSTR* ST, LONG* P, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE LoadVIPs(SAFEARRAY** RE) override;
  HRESULT STDMETHODCALLTYPE DMpaperEX(BSTR* Codes, BSTR* ks, BSTR* Kg, BSTR* Counts, BSTR* DSM,
                                      BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetLong(double* X, LONG* ret) override;
  HRESULT STDMETHODCALLTYPE UsePaper(BSTR* User, BSTR* Ptype, BSTR* Pname, LONG* Counts, BSTR* BANNo,
                                     BSTR* ks, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE PBinfoReJ(BSTR* BC, BSTR* CNPY, BSTR* Use, BSTR* BCD, BSTR* DT, BSTR* ct,
                                      BSTR* ks, BSTR* kz, BSTR* dzs, BSTR* JXIN, float* Pprc,
                                      VARIANT_BOOL* CVD, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE PaperSAVING(BSTR* User, BSTR* Ptype, BSTR* Pname, LONG* Pcount,
                                        float* ret) override;
  HRESULT STDMETHODCALLTYPE PBinfoCHK(BSTR* CNPY, BSTR* ct, BSTR* JXIN, BSTR* ret) override;
  HRESULT STDMETHODCALLTYPE GetKWD(BSTR* ST, LONG* P, BSTR* SNC, BSTR* ret) override;

 private:
  WstdObject();
  ~WstdObject();

  // Calls member name through the dispatch glue with the arguments in
  // declaration order; a failure becomes the HRESULT plus error information.
  HRESULT Call(const char16_t* name, WORD flags, std::initializer_list<VARIANT> args, VARIANT* result);
  template <typename T>
  HRESULT CallFor(const char16_t* name, std::initializer_list<VARIANT> args, T* ret);
  HRESULT PutValue(const char16_t* name, WORD flags, const VARIANT& value);

  LONG refs_ = 1;
  Win32Host host_;
  Wstd core_{host_};
};

}  // namespace order_service::com
