// Statement texts of order submission and card pricing.
#include "order_service/submission_statements.h"

#include "order_service/sql_text.h"

namespace order_service::statements {

Text CustomerExists(const Text& customers, const Text& customer_code) {
  return u"Select 客户代码 from " + customers + u" where 客户代码 like " + Quoted(customer_code);
}

Text SameDayOrders(const Text& orders, const Text& customer_code, const Text& order_number,
                   const Text& date) {
  return u"Select 客户代码,订单编号 from " + orders + u" where 客户代码 like " +
         Quoted(common::TrimSpaces(customer_code)) + u" and 订单编号 like " +
         Quoted(common::TrimSpaces(order_number)) + u" and 下单日期 between " +
         Quoted(date + u" 00:00:00") + u" And " + Quoted(date + u" 23:59:59");
}

Text CustomerLevel(const Text& customers, const Text& pricing_customer) {
  return u"Select 会员级别,城市码,区域码 from " + customers + u" where 客户代码=" +
         Quoted(pricing_customer);
}

Text AnonymousLevel(const Text& customers) {
  return u"Select 会员级别,城市码 from " + customers + u" where 客户代码=" + Quoted(kAnonymousCustomer);
}

Text CardPriceRow(const Text& customers, const Text& suffix, const Text& level) {
  Text sql = u"Select 客户级别";
  for (const char16_t* column : kPriceColumns) sql += Text(u",") + column;
  return sql + u" from " + customers + suffix + u" where 客户级别=" + Quoted(level);
}

Text InsertOrder(const Text& orders, const OrderRow& r) {
  return u"insert into " + orders +
         u" (下单日期,客户代码,密码,类别,订单编号,名称规格,单双面,有无覆膜,数量,款数,占位,备注,重印,"
         u"单价,合计,订单状态,支付状态,城市码,区域码,外协厂,成本) values (" +
         Quoted(r.order_time) + u"," + Quoted(r.customer_code) + u"," + Quoted(kOrderPassword) + u"," +
         Quoted(r.product_type) + u"," + Quoted(r.order_number) + u"," + Quoted(r.fnames) + u"," +
         Quoted(r.AB) + u"," + Quoted(r.FM) + u"," + BareNumber(r.quantity) + u"," + Quoted(r.ks) + u"," +
         Quoted(r.ZW) + u"," + Quoted(r.Notes) + u"," + Quoted(r.RePr) + u", " + BareNumber(r.unit_price) +
         u"," + BareNumber(r.total) + u"," + Quoted(kOrderStatusSplit) + u"," + Quoted(u"") + u"," +
         Quoted(r.city_code) + u"," + Quoted(r.area_code) + u"," + Quoted(r.WAIX) + u"," +
         BareNumber(r.cost) + u")";
}

}  // namespace order_service::statements
