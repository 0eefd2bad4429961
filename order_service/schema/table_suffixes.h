// The fixed suffixes that name every table after the configured customer
// table (ListUser) or order table (ListNames).
#pragma once

namespace order_service::schema {

// After ListUser.
inline constexpr char16_t kCardSalePrice[] = u"_Price";         // business cards, single-sided, sale
inline constexpr char16_t kCardSalePriceDouble[] = u"_PriceB";  // double-sided, sale
inline constexpr char16_t kCardCostPrice[] = u"_PriceH";        // single-sided, cost
inline constexpr char16_t kCardCostPriceDouble[] = u"_PriceI";  // double-sided, cost
inline constexpr char16_t kPvcSheetPrice[] = u"_PriceD";        // PVC cards, rows end with 张
inline constexpr char16_t kGeneralPrice[] = u"_PriceE";         // stickers, plate lists, coefficient row
inline constexpr char16_t kFirstTypeSecondPrice[] = u"_PriceJ"; // twin of a price type 1 table
inline constexpr char16_t kBoxSheetPrice[] = u"_PriceK";        // special-paper cards, rows end with 盒
inline constexpr char16_t kSecondTypeSecondPrice[] = u"_PriceL";// twin of a price type 2 table
inline constexpr char16_t kThirdTypeSecondPrice[] = u"_PriceM"; // twin of a price type 3 table
inline constexpr char16_t kFlyerSalePrice[] = u"_PriceN";       // flyer paper, selling figure
inline constexpr char16_t kFlyerSecondPrice[] = u"_PriceP";     // flyer paper, second figure
inline constexpr char16_t kPlateRecords[] = u"_PBinfo";
// The selling table of price type 2 is named by the caller; this database
// keeps its red-envelope sheet under this suffix.
inline constexpr char16_t kEnvelopePrice[] = u"_PriceF";

// After ListNames.
inline constexpr char16_t kPaperLedger[] = u"_WorkMnger_Paper";

}  // namespace order_service::schema
