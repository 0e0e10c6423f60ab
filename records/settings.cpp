#include "records/settings.h"

#include <cmath>

#include "records/address_cipher.h"

namespace quarlo {

bool SetEncipheredAddress(ServiceAddress& address, std::string_view enciphered) {
  auto plain = DecipherAddress(enciphered);
  if (!plain) return false;
  address.enciphered = std::string(enciphered);
  address.plain = std::move(*plain);
  return true;
}

ServiceAddress AddressFromPlain(std::string_view plain) {
  return {EncipherAddress(plain), std::string(plain)};
}

void ApplyTopTenDefaults(Settings& s) {
  s.rankingServiceAddress = AddressFromPlain(kDefaultRankingServicePlain);
  s.topTenNick = kDefaultTopTenNick;
  s.topTenCountry = kDefaultTopTenCountry;
  s.topTenCity = kDefaultTopTenCity;
  s.topTenSex = kDefaultTopTenSex;
  s.statisticsServiceAddress = AddressFromPlain(kDefaultStatisticsServicePlain);
}

int ScaledFontHeight(int baseHeight, int scalePercent) {
  return static_cast<int>(std::nearbyint(baseHeight * scalePercent / 100.0));
}

}  // namespace quarlo
