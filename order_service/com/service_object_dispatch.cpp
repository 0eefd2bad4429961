// State and Close of the service's own objects through IDispatch, one
// dispatch object per service object while callers hold it.
#include "order_service/com/service_object_dispatch.h"

#include <map>
#include <mutex>

#include "order_service/com/module_state.h"

namespace order_service::com {
namespace {

// Answers QueryInterface only inside this module, to find the service
// object behind a dispatch object a caller hands back (Set o.cn = o.RS).
const IID kServiceObjectIid = {0x5d3f8a61, 0x2c47, 0x4b9e, {0x9a, 0x13, 0x7e, 0x42, 0xc0, 0x85, 0x1b, 0x6d}};

constexpr DISPID kDispidState = 1;
constexpr DISPID kDispidClose = 2;

class ServiceObjectDispatch;
std::mutex live_mutex;
std::map<const ServiceObject*, ServiceObjectDispatch*> live;  // one face per object

class ServiceObjectDispatch final : public IDispatch {
 public:
  explicit ServiceObjectDispatch(std::shared_ptr<ServiceObject> obj) : obj_(std::move(obj)) {
    ObjectCreated();
  }
  const std::shared_ptr<ServiceObject>& object() const { return obj_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, kServiceObjectIid)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    // The map lock is held across the last release, so a lookup cannot hand
    // out an object that is being destroyed.
    std::lock_guard<std::mutex> lock(live_mutex);
    ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
      live.erase(obj_.get());
      delete this;
    }
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (lstrcmpiW(names[0], L"State") == 0) {
      ids[0] = kDispidState;
    } else if (lstrcmpiW(names[0], L"Close") == 0) {
      ids[0] = kDispidClose;
    } else {
      return DISP_E_UNKNOWNNAME;
    }
    if (count > 1) hr = DISP_E_UNKNOWNNAME;  // neither member has named arguments
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    const UINT args = params ? params->cArgs : 0;
    if (id == kDispidState && (flags & DISPATCH_PROPERTYGET)) {
      if (args != 0) return DISP_E_BADPARAMCOUNT;
      if (result) {
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = obj_->IsOpen() ? 1 : 0;
      }
      return S_OK;
    }
    if (id == kDispidClose && (flags & DISPATCH_METHOD)) {
      if (args != 0) return DISP_E_BADPARAMCOUNT;
      obj_->Close();
      if (result) VariantInit(result);
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  ~ServiceObjectDispatch() { ObjectDestroyed(); }
  std::shared_ptr<ServiceObject> obj_;
  LONG refs_ = 1;
};

}  // namespace

IDispatch* DispatchForServiceObject(const std::shared_ptr<ServiceObject>& obj) {
  std::lock_guard<std::mutex> lock(live_mutex);
  auto it = live.find(obj.get());
  if (it != live.end()) {
    it->second->AddRef();
    return it->second;
  }
  auto* face = new ServiceObjectDispatch(obj);
  live.emplace(obj.get(), face);
  return face;
}

std::shared_ptr<ServiceObject> ServiceObjectBehind(IUnknown* unknown) {
  if (!unknown) return nullptr;
  void* raw = nullptr;
  if (FAILED(unknown->QueryInterface(kServiceObjectIid, &raw)) || !raw) return nullptr;
  auto* face = static_cast<ServiceObjectDispatch*>(static_cast<IDispatch*>(raw));
  std::shared_ptr<ServiceObject> obj = face->object();
  face->Release();
  return obj;
}

}  // namespace order_service::com
