// The service object's members in interface order, with their dispatch
// identifiers, parameters, optional defaults and the calls behind them.
#include "order_service/member_table.h"

#include "common/script_error.h"
#include "order_service/wstd.h"

namespace order_service {
namespace {

using VT = ValueType;

ParamSpec P(const char16_t* name, ValueType type) { return ParamSpec{name, type, false, Value{}}; }
ParamSpec Opt(const char16_t* name, ValueType type, Value default_value) {
  return ParamSpec{name, type, true, std::move(default_value)};
}
std::vector<ParamSpec> Strings(std::initializer_list<const char16_t*> names) {
  std::vector<ParamSpec> out;
  for (const char16_t* n : names) out.push_back(P(n, VT::String));
  return out;
}
std::vector<ParamSpec> Join(std::vector<ParamSpec> a, std::initializer_list<ParamSpec> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

MemberSpec TextProperty(const char16_t* name, int32_t dispid, Text Wstd::*field) {
  MemberSpec m{name, dispid, MemberKind::StringProperty, VT::String, {}, {}, {}, {}};
  m.get = [field](const Wstd& w) -> Value { return w.*field; };
  m.put = [field](Wstd& w, const Value& v) { w.*field = std::get<Text>(v); };
  return m;
}

MemberSpec ObjectProperty(const char16_t* name, int32_t dispid, Object Wstd::*field) {
  MemberSpec m{name, dispid, MemberKind::ObjectProperty, VT::Object, {}, {}, {}, {}};
  m.get = [field](const Wstd& w) -> Value { return w.*field; };
  m.put = [field](Wstd& w, const Value& v) { w.*field = std::get<Object>(v); };
  return m;
}

MemberSpec Method(const char16_t* name, int32_t dispid, ValueType result,
                  std::vector<ParamSpec> params, MethodFn call) {
  return MemberSpec{name, dispid, MemberKind::Method, result, std::move(params), std::move(call), {}, {}};
}

// Members whose methods are not built yet fail the call with E_NOTIMPL.
Value NotBuilt(Wstd&, std::vector<Value>&) { throw common::ScriptError::NotImplemented(); }

std::vector<MemberSpec> BuildTable() {
  std::vector<MemberSpec> t;
  t.push_back(ObjectProperty(u"cn", 0x40030000, &Wstd::cn));
  t.push_back(ObjectProperty(u"RS", 0x40030001, &Wstd::RS));
  t.push_back(ObjectProperty(u"mstream", 0x40030002, &Wstd::mstream));
  t.push_back(TextProperty(u"CFG_SQLsvr", 0x40030004, &Wstd::CFG_SQLsvr));
  t.push_back(TextProperty(u"CFG_SQLUme", 0x40030005, &Wstd::CFG_SQLUme));
  t.push_back(TextProperty(u"CFG_SQLPwd", 0x40030006, &Wstd::CFG_SQLPwd));
  t.push_back(TextProperty(u"CFG_SQLDataName", 0x40030007, &Wstd::CFG_SQLDataName));
  t.push_back(TextProperty(u"ListNames", 0x40030008, &Wstd::ListNames));
  t.push_back(TextProperty(u"ListUser", 0x40030009, &Wstd::ListUser));

  t.push_back(Method(u"WStoudiEX", 0x60030000, VT::String,
                     Join(Strings({u"Codes", u"fnames", u"AB", u"FM", u"Heshu", u"ks", u"ZW",
                                   u"Notes", u"RePr", u"BarCodes", u"ProTYPE"}),
                          {P(u"LockPrice", VT::Boolean), P(u"HJGx", VT::String),
                           P(u"Mony", VT::Single), P(u"WAIX", VT::String), P(u"Tones", VT::Single),
                           P(u"JISHUAN", VT::Boolean), Opt(u"CHENBEN", VT::Single, 0.0f)}),
                     [](Wstd& w, std::vector<Value>& a) -> Value {
                       const auto text = [&a](size_t i) -> Text& { return std::get<Text>(a[i]); };
                       return w.WStoudiEX(text(0), text(1), text(2), text(3), text(4), text(5), text(6),
                                          text(7), text(8), text(9), text(10), std::get<bool>(a[11]),
                                          text(12), std::get<float>(a[13]), text(14),
                                          std::get<float>(a[15]), std::get<bool>(a[16]),
                                          std::get<float>(a[17]));
                     }));
  t.push_back(Method(u"LoadCfgINI", 0x60030004, VT::Boolean, {},
                     [](Wstd& w, std::vector<Value>&) -> Value { return w.LoadCfgINI(); }));
  t.push_back(Method(u"WSGetuserPon", 0x60030006, VT::String, Strings({u"kwd"}), NotBuilt));
  t.push_back(Method(u"GetHideuser", 0x60030007, VT::String, Strings({u"HidU"}), NotBuilt));
  t.push_back(Method(u"WSView", 0x60030009, VT::None,
                     {P(u"kwd", VT::String), P(u"KwdR", VT::VariantArray)}, NotBuilt));
  t.push_back(Method(u"HELPView", 0x6003000A, VT::None,
                     {P(u"kwd", VT::String), P(u"KwdR", VT::VariantArray)}, NotBuilt));
  t.push_back(Method(u"Code2Names", 0x6003000B, VT::String, Strings({u"kwd"}), NotBuilt));
  t.push_back(Method(u"DELrecd", 0x6003000C, VT::Boolean, Strings({u"kwd"}), NotBuilt));
  t.push_back(Method(u"REGSQL_User", 0x6003000D, VT::String,
                     Join(Strings({u"UserName", u"UseCode", u"Pwd", u"TEL", u"ADDs", u"human",
                                   u"WULIU", u"VIP", u"QQMSN", u"City", u"Area", u"Server"}),
                          {Opt(u"AutoBC", VT::Boolean, false)}),
                     NotBuilt));
  t.push_back(Method(u"GetPvcInfo", 0x6003000E, VT::String, {}, NotBuilt));
  t.push_back(Method(u"GetTZZInfo", 0x6003000F, VT::String, {}, NotBuilt));
  t.push_back(Method(u"ReadSQL_CaseTJYP", 0x60030010, VT::String,
                     Join(Strings({u"PDU_Name", u"SuM", u"ListNames"}),
                          {P(u"TYPES", VT::Int16), P(u"HG", VT::String), P(u"User", VT::String),
                           Opt(u"ks", VT::String, Text()), Opt(u"ZW", VT::String, Text())}),
                     NotBuilt));
  t.push_back(Method(u"GetBGJpriceType", 0x60030011, VT::String, Strings({u"ST", u"Inp"}), NotBuilt));
  t.push_back(Method(u"GetVIP", 0x60030012, VT::String,
                     {P(u"ST", VT::String), P(u"P", VT::Int32)},
                     [](Wstd& w, std::vector<Value>& a) -> Value {
                       return w.GetVIP(std::get<Text>(a[0]), std::get<int32_t>(a[1]));
                     }));
  t.push_back(Method(u"LoadVIPs", 0x60030013, VT::None, {P(u"RE", VT::VariantArray)}, NotBuilt));
  t.push_back(Method(u"DMpaperEX", 0x60030015, VT::String,
                     Strings({u"Codes", u"ks", u"Kg", u"Counts", u"DSM"}), NotBuilt));
  t.push_back(Method(u"GetLong", 0x60030016, VT::Int32, {P(u"X", VT::Double)},
                     [](Wstd& w, std::vector<Value>& a) -> Value {
                       return w.GetLong(std::get<double>(a[0]));
                     }));
  t.push_back(Method(u"UsePaper", 0x60030018, VT::String,
                     Join(Strings({u"User", u"Ptype", u"Pname"}),
                          {P(u"Counts", VT::Int32), P(u"BANNo", VT::String), P(u"ks", VT::String)}),
                     NotBuilt));
  t.push_back(Method(u"PBinfoReJ", 0x60030019, VT::String,
                     Join(Strings({u"BC", u"CNPY", u"Use", u"BCD", u"DT", u"ct", u"ks", u"kz",
                                   u"dzs", u"JXIN"}),
                          {Opt(u"Pprc", VT::Single, 0.0f), Opt(u"CVD", VT::Boolean, false)}),
                     NotBuilt));
  t.push_back(Method(u"PaperSAVING", 0x6003001A, VT::Single,
                     Join(Strings({u"User", u"Ptype", u"Pname"}), {P(u"Pcount", VT::Int32)}),
                     NotBuilt));
  t.push_back(Method(u"PBinfoCHK", 0x6003001B, VT::String, Strings({u"CNPY", u"ct", u"JXIN"}),
                     NotBuilt));
  t.push_back(Method(u"GetKWD", 0x6003001C, VT::String,
                     {P(u"ST", VT::String), P(u"P", VT::Int32), Opt(u"SNC", VT::String, Text(u"-"))},
                     [](Wstd& w, std::vector<Value>& a) -> Value {
                       return w.GetKWD(std::get<Text>(a[0]), std::get<int32_t>(a[1]),
                                       std::get<Text>(a[2]));
                     }));
  return t;
}

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

bool SameNameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace

const std::vector<MemberSpec>& Members() {
  static const std::vector<MemberSpec> table = BuildTable();
  return table;
}

const MemberSpec* FindMember(std::u16string_view name) {
  for (const MemberSpec& m : Members())
    if (SameNameIgnoringCase(m.name, name)) return &m;
  return nullptr;
}

const MemberSpec* FindMember(int32_t dispid) {
  for (const MemberSpec& m : Members())
    if (m.dispid == dispid) return &m;
  return nullptr;
}

}  // namespace order_service
