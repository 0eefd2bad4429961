// KVX.dll as an early-bound caller meets it: loaded directly, WSTD created
// through its class factory, members called through the vtable, errors
// through IErrorInfo, and the module's unload rule.
#include <windows.h>
#include <oaidl.h>

#include <gtest/gtest.h>

#include <string>

#include "kvx_idl.h"
#include "test_paths.h"

namespace {

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

std::wstring Take(BSTR& s) {
  std::wstring out = s ? std::wstring(s, SysStringLen(s)) : std::wstring();
  SysFreeString(s);
  s = nullptr;
  return out;
}

class EarlyBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryW(kvx_test::KvxDllPath().c_str());
    ASSERT_NE(module_, nullptr);
    get_class_object_ = reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    can_unload_ = reinterpret_cast<CanUnloadNowFn>(reinterpret_cast<void*>(GetProcAddress(module_, "DllCanUnloadNow")));
    ASSERT_NE(get_class_object_, nullptr);
    ASSERT_NE(can_unload_, nullptr);
    ASSERT_EQ(get_class_object_(CLSID_WSTD, IID_IClassFactory, reinterpret_cast<void**>(&factory_)), S_OK);
    ASSERT_EQ(factory_->CreateInstance(nullptr, IID__WSTD, reinterpret_cast<void**>(&wstd_)), S_OK);
  }
  void TearDown() override {
    if (wstd_) wstd_->Release();
    if (factory_) factory_->Release();
    if (module_) FreeLibrary(module_);
  }
  std::wstring ErrorDescription() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info) return L"<no error info>";
    BSTR text = nullptr;
    info->GetDescription(&text);
    info->Release();
    return Take(text);
  }

  HMODULE module_ = nullptr;
  GetClassObjectFn get_class_object_ = nullptr;
  CanUnloadNowFn can_unload_ = nullptr;
  IClassFactory* factory_ = nullptr;
  _WSTD* wstd_ = nullptr;
};

TEST_F(EarlyBinding, CallsMembersThroughTheVtable) {
  BSTR value = SysAllocString(L"srv");
  ASSERT_EQ(wstd_->put_CFG_SQLsvr(value), S_OK);
  SysFreeString(value);
  BSTR got = nullptr;
  ASSERT_EQ(wstd_->get_CFG_SQLsvr(&got), S_OK);
  EXPECT_EQ(Take(got), L"srv");
  ASSERT_EQ(wstd_->get_ListUser(&got), S_OK);
  EXPECT_EQ(Take(got), L"") << "each property keeps its own value";

  BSTR st = SysAllocString(L"x-y|z");
  LONG p = 2;
  ASSERT_EQ(wstd_->GetKWD(&st, &p, nullptr, &got), S_OK);
  EXPECT_EQ(Take(got), L"y|z") << "a left-out separator is \"-\"";
  BSTR sep = SysAllocString(L"|");
  ASSERT_EQ(wstd_->GetKWD(&st, &p, &sep, &got), S_OK);
  EXPECT_EQ(Take(got), L"z");
  EXPECT_EQ(Take(st), L"x-y|z");
  SysFreeString(sep);

  double x = 2.01;
  LONG rounded = 0;
  ASSERT_EQ(wstd_->GetLong(&x, &rounded), S_OK);
  EXPECT_EQ(rounded, 3);
}

TEST_F(EarlyBinding, ObjectPropertiesReturnTheObjectThatWasSet) {
  IDispatch* other = nullptr;
  ASSERT_EQ(factory_->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&other)), S_OK);
  IDispatch* got = reinterpret_cast<IDispatch*>(1);
  ASSERT_EQ(wstd_->get_cn(&got), S_OK);
  EXPECT_EQ(got, nullptr) << "Nothing until set";
  ASSERT_EQ(wstd_->putref_cn(other), S_OK);
  ASSERT_EQ(wstd_->get_cn(&got), S_OK);
  EXPECT_EQ(got, other);
  if (got) got->Release();
  ASSERT_EQ(wstd_->putref_cn(nullptr), S_OK);
  ASSERT_EQ(wstd_->get_cn(&got), S_OK);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(other->Release(), 0u) << "the property let go of the object";
}

TEST_F(EarlyBinding, ReportsFailuresWithErrorInfo) {
  ISupportErrorInfo* support = nullptr;
  ASSERT_EQ(wstd_->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)), S_OK);
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__WSTD), S_OK);
  support->Release();

  double x = 3e9;
  LONG rounded = 0;
  EXPECT_EQ(wstd_->GetLong(&x, &rounded), static_cast<HRESULT>(0x800A0006));
  EXPECT_EQ(ErrorDescription(), L"Overflow");
  BSTR got = nullptr;
  EXPECT_EQ(wstd_->GetPvcInfo(&got), E_NOTIMPL);
  EXPECT_EQ(got, nullptr);
}

TEST_F(EarlyBinding, ModuleCanUnloadOnlyWithoutObjectsAndLocks) {
  EXPECT_EQ(can_unload_(), S_FALSE) << "an object and a factory are alive";
  wstd_->Release();
  wstd_ = nullptr;
  EXPECT_EQ(can_unload_(), S_FALSE) << "the factory is alive";
  ASSERT_EQ(factory_->LockServer(TRUE), S_OK);
  factory_->Release();
  factory_ = nullptr;
  EXPECT_EQ(can_unload_(), S_FALSE) << "the server is locked";
  IClassFactory* factory = nullptr;
  ASSERT_EQ(get_class_object_(CLSID_WSTD, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  factory->LockServer(FALSE);
  factory->Release();
  EXPECT_EQ(can_unload_(), S_OK);
  EXPECT_EQ(get_class_object_(IID__WSTD, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
}

}  // namespace
