// Deep comparison and copy of boundary values, used to tell which
// by-reference arguments a call changed.
#include "order_service/value.h"

#include <cstring>

namespace order_service {

bool SameValue(const Value& a, const Value& b) {
  if (a.index() != b.index()) return false;
  if (const auto* x = std::get_if<std::shared_ptr<VariantArray>>(&a)) {
    const auto& y = std::get<std::shared_ptr<VariantArray>>(b);
    if (x->get() == y.get()) return true;
    if (!*x || !y) return false;
    const VariantArray& p = **x;
    const VariantArray& q = *y;
    if (p.lbound != q.lbound || p.items.size() != q.items.size()) return false;
    for (size_t i = 0; i < p.items.size(); ++i)
      if (!SameValue(p.items[i], q.items[i])) return false;
    return true;
  }
  if (const auto* x = std::get_if<Object>(&a)) return x->get() == std::get<Object>(b).get();
  if (const auto* x = std::get_if<float>(&a)) {  // bitwise, so NaN equals itself and -0 differs from 0
    const float y = std::get<float>(b);
    return std::memcmp(x, &y, sizeof y) == 0;
  }
  if (const auto* x = std::get_if<double>(&a)) {
    const double y = std::get<double>(b);
    return std::memcmp(x, &y, sizeof y) == 0;
  }
  return a == b;
}

Value DeepCopy(const Value& v) {
  if (const auto* a = std::get_if<std::shared_ptr<VariantArray>>(&v)) {
    if (!*a) return v;
    auto copy = std::make_shared<VariantArray>();
    copy->lbound = (*a)->lbound;
    for (const Value& item : (*a)->items) copy->items.push_back(DeepCopy(item));
    return copy;
  }
  return v;
}

}  // namespace order_service
