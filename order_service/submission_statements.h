// The statements of order submission and business-card pricing, joined from
// their fixed pieces; every value goes in through Quoted or BareNumber.
#pragma once

#include <array>

#include "common/text.h"

namespace order_service::statements {

using common::Text;

// Fixed values the submission stores with every order.
inline constexpr char16_t kOrderPassword[] = u"947315";
inline constexpr char16_t kOrderStatusSplit[] = u"已分割";
// City and area code of an order priced at the anonymous customer's level.
inline constexpr char16_t kNoCityCode[] = u"无";
// The customer whose level is the default price level.
inline constexpr char16_t kAnonymousCustomer[] = u"匿名客户";

// Suffixes of the four business-card price tables.
inline constexpr char16_t kSalePrices[] = u"_Price";
inline constexpr char16_t kSalePricesB[] = u"_PriceB";
inline constexpr char16_t kCostPrices[] = u"_PriceH";
inline constexpr char16_t kCostPricesB[] = u"_PriceI";

// Columns of a card price row after its level, slot 1 to slot 23 in order.
inline constexpr std::array<const char16_t*, 23> kPriceColumns = {
    u"二盒",   u"二盒膜",   u"五盒", u"五盒膜", u"十盒", u"十盒膜", u"二十盒", u"二十盒膜",
    u"五十盒", u"五十盒膜", u"一百盒", u"一百盒膜", u"压痕", u"烫金", u"烫银", u"模切",
    u"套印",   u"击凹",     u"UV",   u"米线",   u"圆角", u"打孔",   u"打码"};

// Columns read from the customer table.
inline constexpr char16_t kLevelColumn[] = u"会员级别";
inline constexpr char16_t kCityColumn[] = u"城市码";
inline constexpr char16_t kAreaColumn[] = u"区域码";

// Is the customer registered?
Text CustomerExists(const Text& customers, const Text& customer_code);

// Orders with this customer code and order number on business date `date`
// ("YYYY-MM-DD"); the code and number are trimmed first.
Text SameDayOrders(const Text& orders, const Text& customer_code, const Text& order_number,
                   const Text& date);

// Level, city and area code of the pricing customer.
Text CustomerLevel(const Text& customers, const Text& pricing_customer);

// Level (and city code) of the anonymous customer.
Text AnonymousLevel(const Text& customers);

// The card price row of `level` in customers + suffix.
Text CardPriceRow(const Text& customers, const Text& suffix, const Text& level);

// One order row; the numbers are placed bare and must be number texts.
struct OrderRow {
  Text order_time;  // "YYYY-MM-DD HH:MM:SS"
  Text customer_code, product_type, order_number, fnames, AB, FM;
  Text quantity;  // bare
  Text ks, ZW, Notes, RePr;
  Text unit_price, total;  // bare
  Text city_code, area_code, WAIX;
  Text cost;  // bare
};
Text InsertOrder(const Text& orders, const OrderRow& row);

}  // namespace order_service::statements
