// The service object's list routines and rounding, exposed as its methods.
#include "order_service/wstd.h"

#include "order_service/shared_routines.h"

namespace order_service {

Text Wstd::GetVIP(const Text& ST, int32_t P) const { return order_service::GetVIP(ST, P); }

Text Wstd::GetKWD(const Text& ST, int32_t P, const Text& SNC) const {
  return order_service::GetKWD(ST, P, SNC);
}

int32_t Wstd::GetLong(double X) const { return order_service::GetLong(X); }

}  // namespace order_service
