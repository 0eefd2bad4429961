// The COM face of the service's own objects (the database connection and
// recordset held in `cn` and `RS`): a small IDispatch with State and Close.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "order_service/value.h"

namespace order_service::com {

// The dispatch object for obj, with a reference for the caller. While any
// caller holds it, the same object comes back, so a macro's `Is` holds.
IDispatch* DispatchForServiceObject(const std::shared_ptr<ServiceObject>& obj);

// The service object behind a dispatch object made above, or nullptr when
// unknown is some other COM object.
std::shared_ptr<ServiceObject> ServiceObjectBehind(IUnknown* unknown);

}  // namespace order_service::com
