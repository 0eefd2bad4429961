// What KVX.dll keeps for its whole life: its module handle, the count of live
// objects and server locks (for DllCanUnloadNow) and its own type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace order_service::com {

void SetModule(HINSTANCE module);
HINSTANCE Module();
// The full path of KVX.dll, as registered under InprocServer32.
std::wstring ModulePath();

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
bool ServerInUse();

// The type information of _WSTD from the type library embedded in KVX.dll,
// loaded once; the caller gets its own reference.
HRESULT WstdTypeInfo(ITypeInfo** info);
// Releases the cached type library when the module unloads.
void ReleaseTypeLibrary();

}  // namespace order_service::com
