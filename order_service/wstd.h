// The service object WSTD: its public properties, private members and the
// methods built so far; every outside need goes through its Host.
#pragma once

#include <array>
#include <cstdint>

#include "common/text.h"
#include "order_service/host.h"
#include "order_service/value.h"

namespace order_service {

class Wstd {
 public:
  // A price row: 31 single-precision slots, indexes 0 to 30.
  using PriceRow = std::array<float, 31>;

  explicit Wstd(Host& host) : host_(host) {}
  Wstd(const Wstd&) = delete;
  Wstd& operator=(const Wstd&) = delete;

  Host& GetHost() const { return host_; }

  // Public properties, plain storage under their interface names.
  Object cn;
  Object RS;
  Object mstream;
  Text CFG_SQLsvr;
  Text CFG_SQLUme;
  Text CFG_SQLPwd;
  Text CFG_SQLDataName;
  Text ListNames;
  Text ListUser;

  // Private members, readable for the glue and the tests.
  const Text& ConnStr() const { return conn_str_; }
  const Text& VipLevel() const { return vip_level_; }
  const PriceRow& PriceSlots() const { return price_slots_; }
  const PriceRow& PriceSlotsB() const { return price_slots_b_; }
  // Writable for the methods that set them; they keep their values between calls.
  Text& VipLevel() { return vip_level_; }
  PriceRow& PriceSlots() { return price_slots_; }
  PriceRow& PriceSlotsB() { return price_slots_b_; }

  // Reads and decodes the configuration file into the six configuration
  // properties and builds the connection string; false when it cannot.
  bool LoadCfgINI();

  // Prices one order and writes it into the order table; returns the total
  // in parentheses, the bare total for a price-only request, or a result
  // text. Writes back Codes trimmed and, for a fixed amount, Heshu as "0".
  Text WStoudiEX(Text& Codes, const Text& fnames, const Text& AB, const Text& FM, Text& Heshu,
                 const Text& ks, const Text& ZW, const Text& Notes, const Text& RePr,
                 const Text& BarCodes, const Text& ProTYPE, bool LockPrice, const Text& HJGx,
                 float Mony, const Text& WAIX, float Tones, bool JISHUAN, float CHENBEN = 0);

  Text GetVIP(const Text& ST, int32_t P) const;
  Text GetKWD(const Text& ST, int32_t P, const Text& SNC = u"-") const;
  int32_t GetLong(double X) const;

 private:
  Host& host_;
  Text conn_str_;
  Text vip_level_;
  PriceRow price_slots_{};
  PriceRow price_slots_b_{};
};

}  // namespace order_service
