// The product, finishing and paper-weight columns of this database's
// quantity-keyed price sheets and flyer tables. The service reads them by the
// names the macros pass, so the sheets define the product range.
#pragma once

#include <array>

namespace order_service::schema {

// Special-paper cards, by the box ("_PriceK", its twin "_PriceJ"; price type 1).
inline constexpr std::array<const char16_t*, 4> kBoxSheetProducts = {
    u"珠光纸名片", u"刚古纸名片", u"莱妮纸名片", u"牛皮纸名片"};

// PVC cards, by the sheet ("_PriceD", its twin "_PriceM"; price type 3).
inline constexpr std::array<const char16_t*, 4> kPvcSheetProducts = {
    u"白卡PVC", u"透明PVC", u"磨砂PVC", u"金卡PVC"};

// Red envelopes ("_PriceF", its twin "_PriceL"; price type 2).
inline constexpr std::array<const char16_t*, 2> kEnvelopeProducts = {u"红包", u"利是封"};

// Finishing surcharge columns read by price type 2 and price type 3.
inline constexpr std::array<const char16_t*, 6> kSecondTypeFinishings = {
    u"#字烫金", u"#字烫银", u"#金粉底", u"#银粉底", u"#打金大码", u"#打银大码"};
inline constexpr std::array<const char16_t*, 8> kThirdTypeFinishings = {
    u"#烫金", u"#烫银", u"#压线", u"#压双线", u"#圆角", u"#打孔", u"#UV", u"#击凸"};

// Flyer batches: column name = batch prefix + paper weight.
inline constexpr std::array<const char16_t*, 6> kFlyerBatches = {
    u"五百张", u"一千张", u"二千张", u"三千张", u"五千张", u"一万张"};
inline constexpr std::array<const char16_t*, 2> kFlyerWeights = {u"157g", u"250g"};

}  // namespace order_service::schema
