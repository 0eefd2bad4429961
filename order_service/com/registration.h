// Self-registration of KVX.dll: the ProgID, the class and the type library.
#pragma once

#include <windows.h>

namespace order_service::com {

// Writes the ProgID "VORE.WSTD", the class key with InprocServer32 (this
// module's path, apartment threading), and registers the embedded type library.
HRESULT RegisterServer();
// Removes what RegisterServer wrote; what is already gone is not an error.
HRESULT UnregisterServer();

}  // namespace order_service::com
