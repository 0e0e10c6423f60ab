// Builders for engine tests: hands and packs from readable card lists.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/cards.h"
#include "engine/deal.h"

namespace quarlo::test {

inline CardCode C(const std::string& text) {
  CardCode c;
  if (!ParseCardText(text, c)) throw std::invalid_argument("bad card " + text);
  return c;
}

inline std::vector<CardCode> Cards(const std::string& list) {
  std::vector<CardCode> out;
  std::istringstream in(list);
  for (std::string w; in >> w;) out.push_back(C(w));
  return out;
}

// A hand from up to six cards in place order ("JH 9H AS KC TD"); "--" for a gap.
inline Hand H(const std::string& list) {
  Hand hand;
  int place = 0;
  for (CardCode c : Cards(list)) {
    ++place;
    hand.cards[place] = c;
    hand.strengths[place] = c.Empty() ? kEmptyStrength : BaseStrength(c.rank);
    if (!c.Empty()) ++hand.count;
  }
  return hand;
}

inline std::string Text(const Hand& hand) {
  std::string out;
  for (int i = 1; i <= kHandPlaces; ++i) out += (i > 1 ? " " : "") + CardText(hand.cards[i]);
  return out;
}

// A pack dealing hand1 to player 1 and hand2 to player 2 with the given card
// turned; the other cards fill positions 11..23.
inline Pack MakePack(const std::string& hand1, const std::string& hand2, const std::string& turned) {
  std::vector<CardCode> order = Cards(hand1 + " " + hand2);
  const CardCode top = C(turned);
  for (int n = 1; n <= 24; ++n) {
    const CardCode c = CardByNumber(n);
    bool used = c == top;
    for (CardCode o : order) used = used || o == c;
    if (!used) order.push_back(c);
  }
  order.push_back(top);
  if (order.size() != 24) throw std::invalid_argument("pack needs 24 distinct cards");
  Pack pack;
  for (int k = 1; k <= 24; ++k) {
    pack.cards[k] = order[k - 1];
    pack.strengths[k] = BaseStrength(order[k - 1].rank);
  }
  return pack;
}

}  // namespace quarlo::test
