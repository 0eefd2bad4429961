// The four entry points of KVX.dll and DllMain.
#include <windows.h>
#include <olectl.h>

#include "kvx_idl.h"
#include "order_service/com/class_factory.h"
#include "order_service/com/module_state.h"
#include "order_service/com/registration.h"

using namespace order_service::com;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetModule(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_WSTD)) return CLASS_E_CLASSNOTAVAILABLE;
  return WstdClassFactory::Create(riid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  if (ServerInUse()) return S_FALSE;
  // The module may go away now; what it cached must not outlive it.
  ReleaseTypeLibrary();
  return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  HRESULT hr = RegisterServer();
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  HRESULT hr = UnregisterServer();
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}
