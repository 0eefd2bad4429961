// The dispatch glue against a member of its own whose call changes every
// argument: how each way a caller passes arguments is read, converted, given
// defaults, and written back (or not), and how failures reach the caller.
#include <windows.h>
#include <oaidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/script_error.h"
#include "order_service/com/dispatch_glue.h"
#include "tests/order_service/fake_host.h"
#include "order_service/wstd.h"

namespace {

using namespace order_service;
using order_service::com::DispatchGetIDsOfNames;
using order_service::com::DispatchInvoke;

constexpr DISPID kChange = 7;
constexpr DISPID kFail = 8;

// Change(Text, Count, Ratio, Flag, List, [Sep = "-"]) returns "Text|Count|Sep"
// as received, then appends "!" to Text, adds 1 to Count, halves Ratio,
// negates Flag and re-dimensions List to 0..1 with "one" in element 1.
// Fail(Code) throws the script error numbered Code.
std::vector<MemberSpec> Table() {
  MemberSpec change{u"Change", kChange, MemberKind::Method, ValueType::String,
                    {{u"Text", ValueType::String},
                     {u"Count", ValueType::Int32},
                     {u"Ratio", ValueType::Single},
                     {u"Flag", ValueType::Boolean},
                     {u"List", ValueType::VariantArray},
                     {u"Sep", ValueType::String, true, Text(u"-")}},
                    {}, {}, {}};
  change.call = [](Wstd&, std::vector<Value>& a) -> Value {
    Text& text = std::get<Text>(a[0]);
    int32_t& count = std::get<int32_t>(a[1]);
    Text seen = text + u"|" + common::FromUtf8(std::to_string(count)) + u"|" + std::get<Text>(a[5]);
    text += u"!";
    count += 1;
    std::get<float>(a[2]) /= 2;
    std::get<bool>(a[3]) = !std::get<bool>(a[3]);
    auto& list = std::get<std::shared_ptr<VariantArray>>(a[4]);
    list->Redim(1);
    list->items[1] = Text(u"one");
    return seen;
  };
  MemberSpec fail{u"Fail", kFail, MemberKind::Method, ValueType::None, {{u"Code", ValueType::Int32}}, {}, {}, {}};
  fail.call = [](Wstd&, std::vector<Value>& a) -> Value {
    if (std::get<int32_t>(a[0]) == 6) throw common::ScriptError::Overflow();
    throw common::ScriptError::NotImplemented();
  };
  return {change, fail};
}

VARIANT Make(VARTYPE vt) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  return v;
}
VARIANT Str(const wchar_t* s) {
  VARIANT v = Make(VT_BSTR);
  v.bstrVal = SysAllocString(s);
  return v;
}
VARIANT Dbl(double d) {
  VARIANT v = Make(VT_R8);
  v.dblVal = d;
  return v;
}
VARIANT RefTo(VARTYPE vt, void* p) {
  VARIANT v = Make(static_cast<VARTYPE>(VT_BYREF | vt));
  v.byref = p;
  return v;
}
SAFEARRAY* NewArray(LONG lbound, ULONG count) {
  SAFEARRAYBOUND b{count, lbound};
  return SafeArrayCreate(VT_VARIANT, 1, &b);
}
std::wstring Bstr(BSTR s) { return s ? std::wstring(s, SysStringLen(s)) : std::wstring(); }

class DispatchGlue : public ::testing::Test {
 protected:
  // Calls with the arguments in declaration order (DISPPARAMS wants them reversed).
  HRESULT Call(DISPID id, std::vector<VARIANT> args, std::vector<DISPID> named = {}) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), named.empty() ? nullptr : named.data(), static_cast<UINT>(reversed.size()),
                      static_cast<UINT>(named.size())};
    VariantClear(&result_);
    SysFreeString(excep_.bstrSource);
    SysFreeString(excep_.bstrDescription);
    excep_ = EXCEPINFO{};
    HRESULT hr = DispatchInvoke(table_, wstd_, id, DISPATCH_METHOD, &params, &result_, &excep_, &arg_err_);
    for (VARIANT& v : reversed) VariantClear(&v);  // by-value copies the test owns
    return hr;
  }
  void TearDown() override {
    VariantClear(&result_);
    SysFreeString(excep_.bstrSource);
    SysFreeString(excep_.bstrDescription);
  }
  std::wstring ResultText() { return result_.vt == VT_BSTR ? Bstr(result_.bstrVal) : L"<not a string>"; }

  std::vector<MemberSpec> table_ = Table();
  FakeHost host_;  // the glue needs a service object; these calls never reach its host
  Wstd wstd_{host_};
  VARIANT result_ = Make(VT_EMPTY);
  EXCEPINFO excep_{};
  UINT arg_err_ = 0;
};

// As VBA passes typed variables: each is written back in its own type, even
// where that differs from the parameter's (a Double variable for a Long).
TEST_F(DispatchGlue, WritesTypedReferencesBackInTheCallersTypes) {
  BSTR text = SysAllocString(L"ab");
  double count = 41;
  float ratio = 3;
  VARIANT_BOOL flag = VARIANT_FALSE;
  SAFEARRAY* list = NewArray(1, 3);
  BSTR sep = SysAllocString(L"/");
  ASSERT_EQ(Call(kChange, {RefTo(VT_BSTR, &text), RefTo(VT_R8, &count), RefTo(VT_R4, &ratio),
                           RefTo(VT_BOOL, &flag), RefTo(VT_ARRAY | VT_VARIANT, &list), RefTo(VT_BSTR, &sep)}),
            S_OK);
  EXPECT_EQ(ResultText(), L"ab|41|/");
  EXPECT_EQ(Bstr(text), L"ab!");
  EXPECT_EQ(count, 42.0);
  EXPECT_EQ(ratio, 1.5f);
  EXPECT_EQ(flag, VARIANT_TRUE);
  LONG lo = -1, hi = -1;
  SafeArrayGetLBound(list, 1, &lo);
  SafeArrayGetUBound(list, 1, &hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 1);
  VARIANT one;
  VariantInit(&one);
  LONG index = 1;
  ASSERT_EQ(SafeArrayGetElement(list, &index, &one), S_OK);
  EXPECT_EQ(one.vt, VT_BSTR);
  EXPECT_EQ(Bstr(one.bstrVal), L"one");
  VariantClear(&one);
  EXPECT_EQ(Bstr(sep), L"/") << "an argument the call left alone";
  SysFreeString(text);
  SysFreeString(sep);
  SafeArrayDestroy(list);
}

// As VBScript passes variables: by-reference variants, which take the
// parameter's type when written back; a never-dimensioned array counts as empty.
TEST_F(DispatchGlue, WritesVariantReferencesBackInTheParameterTypes) {
  VARIANT text = Str(L"ab"), count = Make(VT_I2), ratio = Str(L"3"), flag = Make(VT_BOOL), list = Make(VT_ARRAY | VT_VARIANT);
  count.iVal = 5;
  flag.boolVal = VARIANT_TRUE;
  list.parray = nullptr;
  ASSERT_EQ(Call(kChange, {RefTo(VT_VARIANT, &text), RefTo(VT_VARIANT, &count), RefTo(VT_VARIANT, &ratio),
                           RefTo(VT_VARIANT, &flag), RefTo(VT_VARIANT, &list)}),
            S_OK);
  EXPECT_EQ(ResultText(), L"ab|5|-") << "the left-out separator takes its default";
  EXPECT_EQ(Bstr(text.bstrVal), L"ab!");
  EXPECT_EQ(count.vt, VT_I4);
  EXPECT_EQ(count.lVal, 6);
  EXPECT_EQ(ratio.vt, VT_R4);
  EXPECT_EQ(ratio.fltVal, 1.5f);
  EXPECT_EQ(flag.vt, VT_BOOL);
  EXPECT_EQ(flag.boolVal, VARIANT_FALSE);
  ASSERT_EQ(list.vt, VT_ARRAY | VT_VARIANT);
  ASSERT_NE(list.parray, nullptr);
  EXPECT_EQ(list.parray->rgsabound[0].cElements, 2u);
  for (VARIANT* v : {&text, &count, &ratio, &flag, &list}) VariantClear(v);
}

// Parenthesised arguments arrive by value: the call sees them, nothing is written back.
TEST_F(DispatchGlue, LeavesByValueArgumentsAlone) {
  SAFEARRAY* list = NewArray(0, 0);
  VARIANT list_value = Make(VT_ARRAY | VT_VARIANT);
  list_value.parray = list;
  VARIANT flag = Make(VT_BOOL);
  flag.boolVal = VARIANT_FALSE;
  ASSERT_EQ(Call(kChange, {Str(L"ab"), Dbl(7), Dbl(1), flag, list_value}), S_OK);
  EXPECT_EQ(ResultText(), L"ab|7|-");
}

// Left-out optional arguments, in every form a caller uses, take the table's default.
TEST_F(DispatchGlue, GivesLeftOutOptionalArgumentsTheirDefault) {
  auto args = [] {
    VARIANT list = Make(VT_ARRAY | VT_VARIANT);
    list.parray = NewArray(0, 0);
    return std::vector<VARIANT>{Str(L"t"), Dbl(1), Dbl(1), Make(VT_BOOL), list};
  };
  VARIANT missing = Make(VT_ERROR);
  missing.scode = DISP_E_PARAMNOTFOUND;
  std::vector<VARIANT> with_missing = args();
  with_missing.push_back(missing);
  ASSERT_EQ(Call(kChange, with_missing), S_OK);
  EXPECT_EQ(ResultText(), L"t|1|-") << "VT_ERROR / DISP_E_PARAMNOTFOUND";
  ASSERT_EQ(Call(kChange, args()), S_OK);
  EXPECT_EQ(ResultText(), L"t|1|-") << "fewer arguments";

  // Named: Sep given by name, after the positional ones.
  std::vector<VARIANT> named = {Str(L"+")};
  std::vector<VARIANT> positional = args();
  named.insert(named.end(), positional.rbegin(), positional.rend());  // named first, then positional reversed
  std::vector<VARIANT> in_order(named.rbegin(), named.rend());
  ASSERT_EQ(Call(kChange, in_order, {5}), S_OK);
  EXPECT_EQ(ResultText(), L"t|1|+") << "a named argument";

  std::vector<VARIANT> too_few = {Str(L"t"), Dbl(1)};
  EXPECT_EQ(Call(kChange, too_few), DISP_E_PARAMNOTFOUND) << "a required argument left out";
}

// A Long parameter by the system's rules: halves to even, texts as numbers,
// out-of-range overflow (6), non-numbers type mismatch (13), Null 94.
TEST_F(DispatchGlue, ConvertsArgumentsByTheSystemsRules) {
  struct Case {
    VARIANT count;
    const wchar_t* seen;  // nullptr: the call fails with error
    long error;
  };
  const Case cases[] = {
      {Dbl(2.5), L"2", 0},          {Dbl(3.5), L"4", 0},        {Dbl(-2.5), L"-2", 0},
      {Str(L"2.5"), L"2", 0},       {Str(L" 12 "), L"12", 0},   {Dbl(3e9), nullptr, 6},
      {Str(L"abc"), nullptr, 13},   {Make(VT_NULL), nullptr, 94}, {Make(VT_EMPTY), L"0", 0},
  };
  for (const Case& c : cases) {
    VARIANT list = Make(VT_ARRAY | VT_VARIANT);
    list.parray = NewArray(0, 0);
    VARIANT count;
    VariantInit(&count);
    VariantCopy(&count, const_cast<VARIANT*>(&c.count));
    HRESULT hr = Call(kChange, {Str(L"n"), count, Dbl(1), Make(VT_BOOL), list});
    if (c.seen) {
      EXPECT_EQ(hr, S_OK) << "count " << (c.seen);
      EXPECT_EQ(ResultText(), std::wstring(L"n|") + c.seen + L"|-");
    } else {
      EXPECT_EQ(hr, DISP_E_EXCEPTION) << "error " << c.error;
      EXPECT_EQ(excep_.scode, MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, c.error));
      EXPECT_EQ(arg_err_, 3u) << "Count is the fourth argument from the end";
    }
  }
  for (const Case& c : cases) VariantClear(const_cast<VARIANT*>(&c.count));
}

// A changed value that does not fit the caller's variable fails the call and
// leaves every argument as it was.
TEST_F(DispatchGlue, RefusesAWriteBackThatDoesNotFitAndChangesNothing) {
  BSTR text = SysAllocString(L"ab");
  short count = 32767;
  float ratio = 3;
  VARIANT_BOOL flag = VARIANT_FALSE;
  SAFEARRAY* list = NewArray(0, 0);
  EXPECT_EQ(Call(kChange, {RefTo(VT_BSTR, &text), RefTo(VT_I2, &count), RefTo(VT_R4, &ratio), RefTo(VT_BOOL, &flag),
                           RefTo(VT_ARRAY | VT_VARIANT, &list)}),
            DISP_E_EXCEPTION);
  EXPECT_EQ(excep_.scode, MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 6));
  EXPECT_EQ(Bstr(text), L"ab");
  EXPECT_EQ(count, 32767);
  EXPECT_EQ(ratio, 3.0f);
  EXPECT_EQ(flag, VARIANT_FALSE);
  SysFreeString(text);
  SafeArrayDestroy(list);
}

TEST_F(DispatchGlue, ReportsScriptErrorsAsExceptionsWithNumberAndText) {
  struct Case {
    double code;
    HRESULT scode;
    const wchar_t* text;
  };
  for (const Case& c : {Case{6, static_cast<HRESULT>(0x800A0006), L"Overflow"},
                        Case{0, E_NOTIMPL, L"Not implemented"}}) {
    ASSERT_EQ(Call(kFail, {Dbl(c.code)}), DISP_E_EXCEPTION);
    EXPECT_EQ(excep_.wCode, 0);
    EXPECT_EQ(excep_.scode, c.scode);
    EXPECT_EQ(Bstr(excep_.bstrDescription), c.text);
    EXPECT_EQ(Bstr(excep_.bstrSource), L"VORE.WSTD");
  }
  EXPECT_EQ(Call(99, {}), DISP_E_MEMBERNOTFOUND);
}

TEST_F(DispatchGlue, FindsMembersAndNamedParametersWhateverTheirCase) {
  wchar_t member[] = L"cHANGE", param[] = L"sep", unknown[] = L"Nope";
  LPOLESTR names[] = {member, param};
  DISPID ids[2] = {};
  ASSERT_EQ(DispatchGetIDsOfNames(table_, names, 2, ids), S_OK);
  EXPECT_EQ(ids[0], kChange);
  EXPECT_EQ(ids[1], 5);
  LPOLESTR bad[] = {unknown};
  EXPECT_EQ(DispatchGetIDsOfNames(table_, bad, 1, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[0], DISPID_UNKNOWN);
}

}  // namespace
