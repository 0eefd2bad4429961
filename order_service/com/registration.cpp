// Self-registration of KVX.dll under HKEY_CLASSES_ROOT and of its type library.
#include "order_service/com/registration.h"

#include <oleauto.h>

#include <string>

#include "kvx_idl.h"
#include "order_service/com/module_state.h"

namespace order_service::com {
namespace {

constexpr wchar_t kProgId[] = L"VORE.WSTD";
constexpr WORD kLibMajor = 204;
constexpr WORD kLibMinor = 0;
constexpr LCID kLibLocale = 0x409;
#ifdef _WIN64
constexpr SYSKIND kSysKind = SYS_WIN64;
#else
constexpr SYSKIND kSysKind = SYS_WIN32;
#endif

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// Creates key (and its parents) under HKEY_CLASSES_ROOT and sets one value.
HRESULT SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& data) {
  HKEY handle = nullptr;
  LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
  if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
  rc = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                      static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return rc == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(rc);
}

HRESULT DeleteTree(const std::wstring& key) {
  LONG rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());  // the emptied key itself
    return S_OK;
  }
  return HRESULT_FROM_WIN32(rc);
}

}  // namespace

HRESULT RegisterServer() {
  const std::wstring path = ModulePath();
  if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
  const std::wstring clsid = GuidText(CLSID_WSTD);
  const std::wstring class_key = L"CLSID\\" + clsid;
  const std::wstring prog_id(kProgId);

  struct Entry {
    std::wstring key;
    const wchar_t* name;
    std::wstring data;
  };
  const Entry entries[] = {
      {prog_id, nullptr, prog_id},
      {prog_id + L"\\Clsid", nullptr, clsid},
      {class_key, nullptr, prog_id},
      {class_key + L"\\InprocServer32", nullptr, path},
      {class_key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {class_key + L"\\ProgID", nullptr, prog_id},
      {class_key + L"\\TypeLib", nullptr, GuidText(LIBID_VORE)},
  };
  for (const Entry& e : entries) {
    HRESULT hr = SetValue(e.key, e.name, e.data);
    if (FAILED(hr)) return hr;
  }

  ITypeLib* lib = nullptr;
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &lib);
  if (FAILED(hr)) return hr;
  hr = RegisterTypeLib(lib, const_cast<OLECHAR*>(path.c_str()), nullptr);
  lib->Release();
  return hr;
}

HRESULT UnregisterServer() {
  HRESULT first_failure = S_OK;
  for (const std::wstring& key : {std::wstring(kProgId), L"CLSID\\" + GuidText(CLSID_WSTD)}) {
    HRESULT hr = DeleteTree(key);
    if (FAILED(hr) && SUCCEEDED(first_failure)) first_failure = hr;
  }
  HRESULT hr = UnRegisterTypeLib(LIBID_VORE, kLibMajor, kLibMinor, kLibLocale, kSysKind);
  // Nothing registered for this library: nothing to remove.
  if (FAILED(hr) && hr != TYPE_E_REGISTRYACCESS && hr != TYPE_E_LIBNOTREGISTERED && SUCCEEDED(first_failure))
    first_failure = hr;
  return first_failure;
}

}  // namespace order_service::com
