// The class factory of WSTD. A live factory counts as a live object, so the
// module stays loaded while a caller holds one.
#include "order_service/com/class_factory.h"

#include <new>

#include "order_service/com/module_state.h"
#include "order_service/com/wstd_object.h"

namespace order_service::com {

HRESULT WstdClassFactory::Create(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  WstdClassFactory* factory = new (std::nothrow) WstdClassFactory();
  if (!factory) return E_OUTOFMEMORY;
  HRESULT hr = factory->QueryInterface(riid, out);
  factory->Release();
  return hr;
}

WstdClassFactory::WstdClassFactory() { ObjectCreated(); }
WstdClassFactory::~WstdClassFactory() { ObjectDestroyed(); }

HRESULT STDMETHODCALLTYPE WstdClassFactory::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE WstdClassFactory::AddRef() { return InterlockedIncrement(&refs_); }

ULONG STDMETHODCALLTYPE WstdClassFactory::Release() {
  ULONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE WstdClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return WstdObject::Create(riid, out);
}

HRESULT STDMETHODCALLTYPE WstdClassFactory::LockServer(BOOL lock) {
  order_service::com::LockServer(lock != FALSE);
  return S_OK;
}

}  // namespace order_service::com
