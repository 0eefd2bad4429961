// The COM face of the service's own objects: State and Close through
// IDispatch, one face per object while it is held, and the object itself
// coming back when a caller sets its face into a property.
#include <windows.h>
#include <oaidl.h>

#include <gtest/gtest.h>

#include <memory>

#include "order_service/com/module_state.h"
#include "order_service/com/variant_values.h"

namespace {

using namespace order_service;

class FakeServiceObject : public ServiceObject {
 public:
  bool IsOpen() const override { return open; }
  void Close() override { open = false; }
  bool open = true;
};

DISPID IdOf(IDispatch* d, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(d->GetIDsOfNames(IID_NULL, names, 1, 0x409, &id), S_OK) << name;
  return id;
}

long State(IDispatch* d) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  // VBScript reads a property with both flags set.
  EXPECT_EQ(d->Invoke(IdOf(d, L"sTaTe"), IID_NULL, 0x409, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none,
                      &result, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(result.vt, VT_I4);
  return result.lVal;
}

TEST(ServiceObject, ReportsStateAndCloses) {
  auto obj = std::make_shared<FakeServiceObject>();
  VARIANT v;
  com::ValueToVariant(Value{Object(obj)}, &v);
  ASSERT_EQ(v.vt, VT_DISPATCH);
  EXPECT_EQ(State(v.pdispVal), 1);

  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(v.pdispVal->Invoke(IdOf(v.pdispVal, L"Close"), IID_NULL, 0x409, DISPATCH_METHOD, &none, nullptr,
                               nullptr, nullptr),
            S_OK);
  EXPECT_FALSE(obj->open);
  EXPECT_EQ(State(v.pdispVal), 0);

  LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Open")};
  DISPID id;
  EXPECT_EQ(v.pdispVal->GetIDsOfNames(IID_NULL, unknown, 1, 0x409, &id), DISP_E_UNKNOWNNAME);
  VariantClear(&v);
}

TEST(ServiceObject, KeepsOneFaceAndComesBackAsItself) {
  auto obj = std::make_shared<FakeServiceObject>();
  VARIANT a, b;
  com::ValueToVariant(Value{Object(obj)}, &a);
  com::ValueToVariant(Value{Object(obj)}, &b);
  EXPECT_EQ(a.pdispVal, b.pdispVal);  // the macro's `Is` holds
  EXPECT_TRUE(com::ServerInUse());

  Value back = com::ValueFromVariant(a, ValueType::Object);
  EXPECT_EQ(std::get<Object>(back), obj);

  VariantClear(&a);
  VariantClear(&b);
  EXPECT_FALSE(com::ServerInUse());  // the last face is gone with its references
}

}  // namespace
