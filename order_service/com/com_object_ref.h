// A COM object that a caller set into an object property, held by the core as
// an ObjectRef: one reference is kept for as long as the core holds it.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "order_service/value.h"

namespace order_service::com {

class ComObjectRef : public ObjectRef {
 public:
  // Keeps a reference to the object; is_dispatch tells whether it came as IDispatch.
  ComObjectRef(IUnknown* object, bool is_dispatch);
  ~ComObjectRef() override;
  ComObjectRef(const ComObjectRef&) = delete;
  ComObjectRef& operator=(const ComObjectRef&) = delete;

  IUnknown* Get() const { return object_; }
  bool IsDispatch() const { return is_dispatch_; }

 private:
  IUnknown* object_;
  bool is_dispatch_;
};

}  // namespace order_service::com
