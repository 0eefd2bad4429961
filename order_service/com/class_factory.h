// The class factory of WSTD, handed out by DllGetClassObject.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace order_service::com {

class WstdClassFactory final : public IClassFactory {
 public:
  // A new factory, handed out through riid.
  static HRESULT Create(REFIID riid, void** out);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  WstdClassFactory();
  ~WstdClassFactory();
  LONG refs_ = 1;
};

}  // namespace order_service::com
