// The module-wide state of KVX.dll: handle, live object and lock counts, and
// the cached type information.
#include "order_service/com/module_state.h"

#include "kvx_idl.h"

namespace order_service::com {
namespace {

HINSTANCE g_module = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;
// Objects are apartment-threaded, but several apartments may load the module.
ITypeInfo* g_type_info = nullptr;

}  // namespace

void SetModule(HINSTANCE module) { g_module = module; }
HINSTANCE Module() { return g_module; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(g_module, &path[0], static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void LockServer(bool lock) {
  if (lock)
    InterlockedIncrement(&g_locks);
  else
    InterlockedDecrement(&g_locks);
}
bool ServerInUse() { return InterlockedCompareExchange(&g_objects, 0, 0) != 0 || InterlockedCompareExchange(&g_locks, 0, 0) != 0; }

HRESULT WstdTypeInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ITypeInfo* cached = static_cast<ITypeInfo*>(InterlockedCompareExchangePointer(
      reinterpret_cast<void**>(&g_type_info), nullptr, nullptr));
  if (!cached) {
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &lib);
    if (FAILED(hr)) return hr;
    hr = lib->GetTypeInfoOfGuid(IID__WSTD, &cached);
    lib->Release();
    if (FAILED(hr)) return hr;
    void* previous = InterlockedCompareExchangePointer(reinterpret_cast<void**>(&g_type_info), cached, nullptr);
    if (previous) {  // another thread was first
      cached->Release();
      cached = static_cast<ITypeInfo*>(previous);
    }
  }
  cached->AddRef();
  *info = cached;
  return S_OK;
}

void ReleaseTypeLibrary() {
  if (g_type_info) {
    g_type_info->Release();
    g_type_info = nullptr;
  }
}

}  // namespace order_service::com
