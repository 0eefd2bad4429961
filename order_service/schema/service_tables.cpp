// The service's tables as data: one column list per table.
#include "order_service/schema/service_tables.h"

#include <stdexcept>

#include "order_service/schema/product_columns.h"
#include "order_service/schema/table_suffixes.h"

namespace order_service::schema {
namespace {

using K = ColumnKind;

Text Named(const Text& prefix, std::u16string_view suffix) { return prefix + Text(suffix); }

// Business-card pack prices and finishing prices, in the order the card
// pricing reads them.
const std::vector<ColumnDef>& CardPriceColumns() {
  static const std::vector<ColumnDef> columns = {
      {u"客户级别", K::kKey},
      {u"二盒", K::kReal},   {u"二盒膜", K::kReal},   {u"五盒", K::kReal},     {u"五盒膜", K::kReal},
      {u"十盒", K::kReal},   {u"十盒膜", K::kReal},   {u"二十盒", K::kReal},   {u"二十盒膜", K::kReal},
      {u"五十盒", K::kReal}, {u"五十盒膜", K::kReal}, {u"一百盒", K::kReal},   {u"一百盒膜", K::kReal},
      {u"压痕", K::kReal},   {u"烫金", K::kReal},     {u"烫银", K::kReal},     {u"模切", K::kReal},
      {u"套印", K::kReal},   {u"击凹", K::kReal},     {u"UV", K::kReal},       {u"米线", K::kReal},
      {u"圆角", K::kReal},   {u"打孔", K::kReal},     {u"打码", K::kReal},
  };
  return columns;
}

// A quantity-keyed sheet: 数量, one column per product, one per finishing.
template <size_t N>
std::vector<Text> Names(const std::array<const char16_t*, N>& names) {
  return {names.begin(), names.end()};
}

TableDef QuantityTable(Text name, const std::vector<Text>& products, const std::vector<Text>& finishings = {}) {
  TableDef t{std::move(name), {{u"数量", K::kKey}}, {{{u"数量"}, IndexUse::kEquals, true}}};
  for (const Text& p : products) t.columns.push_back({p, K::kReal});
  for (const Text& f : finishings) t.columns.push_back({f, K::kReal});
  return t;
}

TableDef GeneralPriceTable(const TableNames& n) {
  // 不干胶 holds a rate or a tier list, so it is text.
  return {Named(n.customers, kGeneralPrice),
          {{u"数量", K::kKey},
           {u"不干胶", K::kText},
           {u"不干胶亮膜", K::kLongText},
           {u"隐藏客户代码", K::kKey},
           {u"隐藏客户名称", K::kKey}},
          {{{u"数量"}, IndexUse::kBoth, true}}};
}

TableDef FlyerPriceTable(Text name) {
  TableDef t{std::move(name), {{u"客户级别", K::kKey}}, {{{u"客户级别"}, IndexUse::kEquals, true}}};
  for (const char16_t* w : kFlyerWeights)
    for (const char16_t* b : kFlyerBatches) t.columns.push_back({Text(b) + w, K::kReal});
  return t;
}

TableDef PaperLedgerTable(const TableNames& n) {
  return {Named(n.orders, kPaperLedger),
          {{u"客户名", K::kKey},
           {u"纸张类别", K::kKey},
           {u"纸张名称", K::kKey},
           {u"数量", K::kInteger},
           {u"用纸订单名", K::kText},
           {u"备注", K::kLongText},
           {u"日期", K::kDate},
           {u"令", K::kDecimal3},
           {u"流程单号", K::kText},
           {u"机型", K::kText},
           {u"金额", K::kReal},
           {u"单价", K::kMoney},
           {u"经销商", K::kText},
           {u"吨价", K::kReal}},
          {{{u"客户名", u"纸张类别", u"纸张名称"}, IndexUse::kLike}}};
}

TableDef PlateRecordTable(const TableNames& n) {
  // 日期 is stored as the caller wrote it.
  return {Named(n.customers, kPlateRecords),
          {{u"日期", K::kText},
           {u"编号", K::kKey},
           {u"印刷单位", K::kKey},
           {u"客户名", K::kKey},
           {u"版号", K::kKey},
           {u"张数", K::kReal},
           {u"开数", K::kReal},
           {u"克重", K::kText},
           {u"大纸数", K::kReal},
           {u"印工", K::kReal},
           {u"纸款", K::kReal},
           {u"金额", K::kReal}},
          {}};
}

}  // namespace

void CheckTableNames(const TableNames& names) {
  for (const Text* name : {&names.customers, &names.orders}) {
    if (common::TrimSpaces(*name).empty()) throw std::invalid_argument("a table name is empty");
    for (char16_t c : *name)
      if (c < 0x20 || c == u'[' || c == u']' || c == u'"' || c == 0x7f)
        throw std::invalid_argument("the table name " + common::ToUtf8(*name) + " holds a character a table name cannot");
  }
}

TableDef CustomerTable(const TableNames& n) {
  return {n.customers,
          {{u"序号", K::kRowNumber},
           {u"注册日期", K::kDate},
           {u"客户名称", K::kKey},
           {u"客户代码", K::kKey},
           {u"登陆密码", K::kText},
           {u"联系电话", K::kText},
           {u"联系地址", K::kLongText},
           {u"联系人", K::kText},
           {u"QQ号", K::kText},
           {u"物流", K::kText},
           {u"会员级别", K::kText},
           {u"城市码", K::kText},
           {u"区域码", K::kText},
           {u"客服人员", K::kText}},
          {{{u"客户代码"}, IndexUse::kBoth, true}, {{u"客户名称"}, IndexUse::kBoth}}};
}

TableDef OrderTable(const TableNames& n) {
  return {n.orders,
          {{u"ID", K::kRowNumber},
           {u"下单日期", K::kDateTime},
           {u"客户代码", K::kKey},
           {u"密码", K::kText},
           {u"类别", K::kText},
           {u"订单编号", K::kKey},
           {u"名称规格", K::kLongText},
           {u"单双面", K::kText},
           {u"有无覆膜", K::kText},
           {u"数量", K::kReal},
           {u"款数", K::kReal},
           {u"占位", K::kReal},
           {u"备注", K::kLongText},
           {u"重印", K::kText},
           {u"单价", K::kMoney},
           {u"合计", K::kReal},
           {u"订单状态", K::kText},
           {u"支付状态", K::kText},
           {u"城市码", K::kText},
           {u"区域码", K::kText},
           {u"外协厂", K::kText},
           {u"成本", K::kReal}},
          {{{u"客户代码", u"订单编号", u"下单日期"}, IndexUse::kLike}}};
}

TableDef CardPriceTable(const TableNames& n, std::u16string_view suffix) {
  return {Named(n.customers, suffix), CardPriceColumns(), {{{u"客户级别"}, IndexUse::kEquals, true}}};
}

std::vector<TableDef> ServiceTables(const TableNames& n) {
  CheckTableNames(n);
  const Text& u = n.customers;
  return {
      CustomerTable(n),
      OrderTable(n),
      CardPriceTable(n, kCardSalePrice),
      CardPriceTable(n, kCardSalePriceDouble),
      CardPriceTable(n, kCardCostPrice),
      CardPriceTable(n, kCardCostPriceDouble),
      QuantityTable(Named(u, kBoxSheetPrice), Names(kBoxSheetProducts)),
      QuantityTable(Named(u, kFirstTypeSecondPrice), Names(kBoxSheetProducts)),
      QuantityTable(Named(u, kPvcSheetPrice), Names(kPvcSheetProducts), Names(kThirdTypeFinishings)),
      QuantityTable(Named(u, kThirdTypeSecondPrice), Names(kPvcSheetProducts), Names(kThirdTypeFinishings)),
      QuantityTable(Named(u, kEnvelopePrice), Names(kEnvelopeProducts), Names(kSecondTypeFinishings)),
      QuantityTable(Named(u, kSecondTypeSecondPrice), Names(kEnvelopeProducts), Names(kSecondTypeFinishings)),
      GeneralPriceTable(n),
      FlyerPriceTable(Named(u, kFlyerSalePrice)),
      FlyerPriceTable(Named(u, kFlyerSecondPrice)),
      PaperLedgerTable(n),
      PlateRecordTable(n),
  };
}

}  // namespace order_service::schema
