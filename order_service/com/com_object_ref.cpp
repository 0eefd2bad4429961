// A COM object held by the core: one reference for the life of the holder.
#include "order_service/com/com_object_ref.h"

namespace order_service::com {

ComObjectRef::ComObjectRef(IUnknown* object, bool is_dispatch) : object_(object), is_dispatch_(is_dispatch) {
  object_->AddRef();
}

ComObjectRef::~ComObjectRef() { object_->Release(); }

}  // namespace order_service::com
