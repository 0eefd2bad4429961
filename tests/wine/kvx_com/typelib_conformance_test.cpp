// The type library embedded in KVX.dll against the interface the macros are
// compiled against (identity, member order, dispatch identifiers, invoke
// kinds, parameter names, types and defaults), and against the member table
// that drives late binding.
#include <windows.h>
#include <oaidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kvx_idl.h"
#include "order_service/member_table.h"
#include "signature_text.h"
#include "test_paths.h"

namespace {

using kvx_test::Signature;

#define S(x) L"[in, out] BSTR* " x
#define BOOLREF(x) L"[in, out] VARIANT_BOOL* " x
#define RET(t) L"[out, retval] " t L"* ret"
#define GETSET(name, id, type, put)                                                     \
  {id, L"propget " name L"([out, retval] " type L"* " name L")"},                      \
  {id, put L" " name L"([in] " type L" " name L")"}

// The interface _WSTD as early-bound macros know it, written out independently.
const std::vector<Signature> kInterface = {
    GETSET(L"cn", 0x40030000, L"IDispatch*", L"propputref"),
    GETSET(L"RS", 0x40030001, L"IDispatch*", L"propputref"),
    GETSET(L"mstream", 0x40030002, L"IDispatch*", L"propputref"),
    GETSET(L"CFG_SQLsvr", 0x40030004, L"BSTR", L"propput"),
    GETSET(L"CFG_SQLUme", 0x40030005, L"BSTR", L"propput"),
    GETSET(L"CFG_SQLPwd", 0x40030006, L"BSTR", L"propput"),
    GETSET(L"CFG_SQLDataName", 0x40030007, L"BSTR", L"propput"),
    GETSET(L"ListNames", 0x40030008, L"BSTR", L"propput"),
    GETSET(L"ListUser", 0x40030009, L"BSTR", L"propput"),
    {0x60030000, L"WStoudiEX(" S("Codes") L", " S("fnames") L", " S("AB") L", " S("FM") L", " S("Heshu") L", "
                 S("ks") L", " S("ZW") L", " S("Notes") L", " S("RePr") L", " S("BarCodes") L", " S("ProTYPE")
                 L", " BOOLREF("LockPrice") L", " S("HJGx") L", [in, out] float* Mony, " S("WAIX")
                 L", [in, out] float* Tones, " BOOLREF("JISHUAN")
                 L", [in, out, optional, defaultvalue(0)] float* CHENBEN, " RET(L"BSTR") L")"},
    {0x60030004, L"LoadCfgINI(" RET(L"VARIANT_BOOL") L")"},
    {0x60030006, L"WSGetuserPon(" S("kwd") L", " RET(L"BSTR") L")"},
    {0x60030007, L"GetHideuser(" S("HidU") L", " RET(L"BSTR") L")"},
    {0x60030009, L"WSView(" S("kwd") L", [in, out] SAFEARRAY(VARIANT)* KwdR)"},
    {0x6003000A, L"HELPView(" S("kwd") L", [in, out] SAFEARRAY(VARIANT)* KwdR)"},
    {0x6003000B, L"Code2Names(" S("kwd") L", " RET(L"BSTR") L")"},
    {0x6003000C, L"DELrecd(" S("kwd") L", " RET(L"VARIANT_BOOL") L")"},
    {0x6003000D, L"REGSQL_User(" S("UserName") L", " S("UseCode") L", " S("Pwd") L", " S("TEL") L", " S("ADDs")
                 L", " S("human") L", " S("WULIU") L", " S("VIP") L", " S("QQMSN") L", " S("City") L", "
                 S("Area") L", " S("Server") L", [in, out, optional, defaultvalue(0)] VARIANT_BOOL* AutoBC, "
                 RET(L"BSTR") L")"},
    {0x6003000E, L"GetPvcInfo(" RET(L"BSTR") L")"},
    {0x6003000F, L"GetTZZInfo(" RET(L"BSTR") L")"},
    {0x60030010, L"ReadSQL_CaseTJYP(" S("PDU_Name") L", " S("SuM") L", " S("ListNames")
                 L", [in, out] short* TYPES, " S("HG") L", " S("User")
                 L", [in, out, optional, defaultvalue(\"\")] BSTR* ks, [in, out, optional, defaultvalue(\"\")] BSTR* ZW, "
                 RET(L"BSTR") L")"},
    {0x60030011, L"GetBGJpriceType(" S("ST") L", " S("Inp") L", " RET(L"BSTR") L")"},
    {0x60030012, L"GetVIP(" S("ST") L", [in, out] long* P, " RET(L"BSTR") L")"},
    {0x60030013, L"LoadVIPs([in, out] SAFEARRAY(VARIANT)* RE)"},
    {0x60030015, L"DMpaperEX(" S("Codes") L", " S("ks") L", " S("Kg") L", " S("Counts") L", " S("DSM") L", "
                 RET(L"BSTR") L")"},
    {0x60030016, L"GetLong([in, out] double* X, " RET(L"long") L")"},
    {0x60030018, L"UsePaper(" S("User") L", " S("Ptype") L", " S("Pname") L", [in, out] long* Counts, "
                 S("BANNo") L", " S("ks") L", " RET(L"BSTR") L")"},
    {0x60030019, L"PBinfoReJ(" S("BC") L", " S("CNPY") L", " S("Use") L", " S("BCD") L", " S("DT") L", " S("ct")
                 L", " S("ks") L", " S("kz") L", " S("dzs") L", " S("JXIN")
                 L", [in, out, optional, defaultvalue(0)] float* Pprc"
                 L", [in, out, optional, defaultvalue(0)] VARIANT_BOOL* CVD, " RET(L"BSTR") L")"},
    {0x6003001A, L"PaperSAVING(" S("User") L", " S("Ptype") L", " S("Pname") L", [in, out] long* Pcount, "
                 RET(L"float") L")"},
    {0x6003001B, L"PBinfoCHK(" S("CNPY") L", " S("ct") L", " S("JXIN") L", " RET(L"BSTR") L")"},
    {0x6003001C, L"GetKWD(" S("ST") L", [in, out] long* P, [in, out, optional, defaultvalue(\"-\")] BSTR* SNC, "
                 RET(L"BSTR") L")"},
};

std::string Narrow(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

// Compares line by line so a failure names the member that differs.
void ExpectSameSignatures(const std::vector<Signature>& actual, const std::vector<Signature>& expected,
                          const char* what) {
  EXPECT_EQ(actual.size(), expected.size()) << what << ": number of functions";
  for (size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].dispid, expected[i].dispid) << what << " #" << i << " " << Narrow(expected[i].text);
    EXPECT_EQ(Narrow(actual[i].text), Narrow(expected[i].text)) << what << " #" << i;
  }
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(LoadTypeLibEx(kvx_test::KvxDllPath().c_str(), REGKIND_NONE, &lib_), S_OK)
        << "KVX.dll must carry its type library";
    ITypeInfo* dispatch = nullptr;
    ASSERT_EQ(lib_->GetTypeInfoOfGuid(IID__WSTD, &dispatch), S_OK);
    // A dual interface's type info is its dispatch view; the vtable view is
    // its implemented type -1.
    HREFTYPE vtable_ref = 0;
    ASSERT_EQ(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable_ref), S_OK);
    ASSERT_EQ(dispatch->GetRefTypeInfo(vtable_ref, &interface_), S_OK);
    dispatch->Release();
  }
  void TearDown() override {
    if (interface_) interface_->Release();
    if (lib_) lib_->Release();
  }
  ITypeLib* lib_ = nullptr;
  ITypeInfo* interface_ = nullptr;
};

TEST_F(TypeLibrary, IdentifiesLibraryInterfaceAndClass) {
  TLIBATTR* lib_attr = nullptr;
  ASSERT_EQ(lib_->GetLibAttr(&lib_attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(lib_attr->guid, LIBID_VORE));
  EXPECT_EQ(lib_attr->wMajorVerNum, 204);
  EXPECT_EQ(lib_attr->wMinorVerNum, 0);
  EXPECT_EQ(lib_attr->lcid, 0x409u);
  EXPECT_EQ(lib_attr->syskind, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
  lib_->ReleaseTLibAttr(lib_attr);
  BSTR name = nullptr;
  ASSERT_EQ(lib_->GetDocumentation(-1, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"VORE");
  SysFreeString(name);

  TYPEATTR* attr = nullptr;
  ASSERT_EQ(interface_->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL) << "_WSTD must be dual";
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  interface_->ReleaseTypeAttr(attr);
  ASSERT_EQ(interface_->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"_WSTD");
  SysFreeString(name);

  ITypeInfo* coclass = nullptr;
  ASSERT_EQ(lib_->GetTypeInfoOfGuid(CLSID_WSTD, &coclass), S_OK);
  ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_COCLASS);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
  coclass->ReleaseTypeAttr(attr);
  INT impl_flags = 0;
  HREFTYPE ref = 0;
  ITypeInfo* impl = nullptr;
  ASSERT_EQ(coclass->GetImplTypeFlags(0, &impl_flags), S_OK);
  EXPECT_TRUE(impl_flags & IMPLTYPEFLAG_FDEFAULT);
  ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &ref), S_OK);
  ASSERT_EQ(coclass->GetRefTypeInfo(ref, &impl), S_OK);
  ASSERT_EQ(impl->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, IID__WSTD)) << "WSTD's default interface is _WSTD";
  impl->ReleaseTypeAttr(attr);
  impl->Release();
  coclass->Release();
}

TEST_F(TypeLibrary, DeclaresTheInterfaceMemberByMember) {
  ExpectSameSignatures(kvx_test::TypeLibrarySignatures(interface_), kInterface, "type library");
}

TEST_F(TypeLibrary, AgreesWithTheMemberTableThatDrivesLateBinding) {
  ExpectSameSignatures(kvx_test::MemberTableSignatures(order_service::Members()),
                       kvx_test::TypeLibrarySignatures(interface_), "member table");
}

}  // namespace
