// Cards, suits, strengths and hands: the vocabulary of the game engine.
//
// A card is two Windows-1251 bytes, rank then suit ("9\xF7" is the nine of
// Hearts); these bytes travel in network messages and history files. Arrays by
// player or by hand place are 1-based, index 0 is unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarlo {

using Suit = char;

inline constexpr Suit kHearts = '\xF7';    // ч
inline constexpr Suit kDiamonds = '\xE1';  // б
inline constexpr Suit kClubs = '\xEA';     // к
inline constexpr Suit kSpades = '\xEF';    // п
inline constexpr Suit kNoSuit = '#';

// Every four-suit loop and per-suit array runs in this order; [0] is unused.
inline constexpr std::array<Suit, 5> kSuitOrder = {kNoSuit, kHearts, kDiamonds, kClubs, kSpades};

inline constexpr char kNine = '9';
inline constexpr char kTen = '1';
inline constexpr char kJack = '\xC2';   // В
inline constexpr char kQueen = '\xC4';  // Д
inline constexpr char kKing = '\xCA';   // К
inline constexpr char kAce = '\xD2';    // Т
// Rank byte of a left bower in working copies: "S" + trump.
inline constexpr char kLeftBowerRank = 'S';

// Rank bytes by base strength 1 (nine) .. 6 (ace); [0] is unused.
inline constexpr std::array<char, 7> kRankByStrength = {'#', kNine, kTen, kJack, kQueen, kKing, kAce};

inline constexpr std::uint8_t kEmptyStrength = 99;  // a card has just left the place
inline constexpr std::uint8_t kOrderedEmpty = 0;    // OrderHand moved the gap to the end
inline constexpr int kHandPlaces = 6;

struct CardCode {
  char rank = '#';
  char suit = '#';

  constexpr bool Empty() const { return rank == '#'; }
  constexpr bool operator==(const CardCode&) const = default;
  std::string Bytes() const { return std::string{rank, suit}; }
};

inline constexpr CardCode kNoCard{'#', '#'};

constexpr bool IsRealSuit(Suit s) {
  return s == kHearts || s == kDiamonds || s == kClubs || s == kSpades;
}

// Same colour: Hearts with Diamonds, Clubs with Spades.
constexpr Suit PartnerSuit(Suit s) {
  switch (s) {
    case kHearts: return kDiamonds;
    case kDiamonds: return kHearts;
    case kClubs: return kSpades;
    case kSpades: return kClubs;
    default: return kNoSuit;
  }
}

namespace detail {
// Lookups by byte, so that the hot paths of the rules do not branch on the
// card: [byte] -> suit index 1..4 or 0, and -> base strength 1..6 or 0.
struct ByteTables {
  std::array<std::uint8_t, 256> suitIndex{};
  std::array<std::uint8_t, 256> baseStrength{};
};
constexpr ByteTables MakeByteTables() {
  ByteTables t;
  auto at = [](char c) { return static_cast<unsigned char>(c); };
  t.suitIndex[at(kHearts)] = 1;
  t.suitIndex[at(kDiamonds)] = 2;
  t.suitIndex[at(kClubs)] = 3;
  t.suitIndex[at(kSpades)] = 4;
  for (int s = 1; s <= 6; ++s) t.baseStrength[at(kRankByStrength[static_cast<std::size_t>(s)])] = static_cast<std::uint8_t>(s);
  return t;
}
inline constexpr ByteTables kByteTables = MakeByteTables();
}  // namespace detail

// 1..4 in SuitOrder, 0 for no suit.
constexpr int SuitIndex(Suit s) { return detail::kByteTables.suitIndex[static_cast<unsigned char>(s)]; }

// Base strength 1 (nine) .. 6 (ace) of a rank byte; 0 for anything else.
constexpr std::uint8_t BaseStrength(char rank) { return detail::kByteTables.baseStrength[static_cast<unsigned char>(rank)]; }

constexpr bool IsValidCard(CardCode c) { return BaseStrength(c.rank) != 0 && IsRealSuit(c.suit); }

constexpr CardCode RightBower(Suit trump) { return {kJack, trump}; }
constexpr CardCode LeftBower(Suit trump) { return {kJack, PartnerSuit(trump)}; }

// A card as the rules see it once trump is fixed.
struct EffCard {
  CardCode code;
  std::uint8_t strength;
};

// Bower rules: the left bower becomes "S"+trump with strength 7, the right
// bower keeps its code with strength 8, everything else is unchanged.
constexpr EffCard EffectiveCard(CardCode code, std::uint8_t strength, Suit trump) {
  if (code == LeftBower(trump)) return {{kLeftBowerRank, trump}, 7};
  if (code == RightBower(trump)) return {code, 8};
  return {code, strength};
}

struct Hand {
  std::array<CardCode, 7> cards{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  std::array<std::uint8_t, 7> strengths{kEmptyStrength, kEmptyStrength, kEmptyStrength, kEmptyStrength,
                                        kEmptyStrength, kEmptyStrength, kEmptyStrength};
  int count = 0;  // CardCount of the player
};

// Readable text: "9H", "JD", "--" for an empty place, "S" rank for a rewritten
// left bower ("SH"). Used by tools and tests.
std::string CardText(CardCode c);
// Parses "9H", "TD", "JC", "QS", "KH", "AD" (case-insensitive) or "--"/"##".
bool ParseCardText(std::string_view text, CardCode& out);
char SuitLetter(Suit s);                       // H D C S, '-' for no suit
bool ParseSuitLetter(char letter, Suit& out);  // H D C S or '-'

}  // namespace quarlo
